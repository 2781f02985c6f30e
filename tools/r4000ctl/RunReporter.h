#pragma once

#include "AllUnitRun.h"
#include "SettingsDiff.h"
#include "UnitFailure.h"

#include <chrono>
#include <iosfwd>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class SystemStore;

// What a unit command tells its user. Each unit's line as that unit ends:
//   " 2  EX2       198.18.0.12      failed: login refused"
// with, on a terminal, a counter of the units done and failed on stderr while the others
// are still at work; then a recap of the counts. With --json nothing goes out until the
// end, when one document lists every unit with its result, reason and the time its job took.
class RunReporter : public AllUnitRun::Listener
{
public:
    // What a comparing run found on each unit (by number), written by the unit's worker
    // before its job ends.
    using Comparisons = std::map<int, std::vector<SettingsDiff::Change>>;

    // counter: show the counter (stderr is a terminal). terminal, when given, is held while
    // anything is printed, so the login prompt is never written over.
    RunReporter(const SystemStore& store, std::ostream& out, std::ostream& err, bool json,
                bool counter, std::mutex* terminal = nullptr);

    // The next run, of units units; step names it when a command makes more than one run
    // ("siren", "messages"), and heads its lines.
    void beginRun(std::size_t units, const std::string& step = {});
    // A run that compares settings: a unit that ends well is "unchanged" or "differs", with
    // the settings that differ under its line.
    void beginComparing(std::size_t units, const std::string& step, const Comparisons* found);
    // A run that checks settings: a unit that fails has the settings that differ under its
    // line.
    void beginVerifying(std::size_t units, const std::string& step, const Comparisons* found);
    void unitEnded(const Exchange& unit, bool ok, const UnitFailure& failure,
                   long elapsedMs) override;
    void stillRunning() override;
    // A unit that fails before any run reaches it.
    void failed(const Exchange& unit, const UnitFailure& failure);

    // The recap line, or the JSON document of command on system.
    void finish(const std::string& command, const std::string& system);
    std::size_t failedCount() const;

private:
    struct Entry {
        int number;
        std::string name; // as the terminal shows it
        std::string address;
        std::string result; // "ok", "failed", "unchanged" or "differs"
        UnitFailure failure;
        long elapsedMs;
        std::string step;
        std::vector<SettingsDiff::Change> changes;
    };
    // A change as the user sees it: in the terminal's characters, values quoted, passwords
    // hidden.
    struct Shown {
        std::string section;
        std::string key;
        std::string before;
        std::string after;
    };
    Shown shown(const SettingsDiff::Change& change) const;
    void add(Entry entry);
    // The entries of that result (all when empty), of one step when given.
    std::size_t count(std::string_view result, const std::string* step = nullptr) const;
    // "3 units: 2 ok, 1 failed", of the entries of one step.
    std::string recap(const std::string& step) const;
    // The unlocked halves of what is printed; the callers hold the terminal.
    void drawCounter();
    void clearCounter();
    std::unique_lock<std::mutex> holdTerminal() const;

    const SystemStore& store_;
    std::ostream& out_;
    std::ostream& err_;
    bool json_;
    bool counter_;
    std::mutex* terminal_;
    bool counterShown_ = false;
    std::string step_;
    const Comparisons* comparisons_ = nullptr;
    bool comparing_ = false;
    std::size_t runUnits_ = 0;
    std::size_t runEnded_ = 0;
    std::size_t runFailed_ = 0;
    std::chrono::steady_clock::time_point runStarted_;
    std::vector<Entry> entries_;
};
