#pragma once

#include "AllUnitRun.h"
#include "UnitFailure.h"

#include <chrono>
#include <iosfwd>
#include <string>
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
    // A setting a diff found: where, and its value on the unit and in the system.
    struct Change {
        std::string section;
        std::string key;
        std::string unitValue;
        std::string systemValue;
    };

    // counter: show the counter (stderr is a terminal).
    RunReporter(const SystemStore& store, std::ostream& out, std::ostream& err, bool json,
                bool counter);

    // The next run, of units units; step names it when a command makes more than one run
    // ("siren", "messages"), and heads its lines.
    void beginRun(std::size_t units, const std::string& step = {});
    void unitEnded(const Exchange& unit, bool ok, const UnitFailure& failure,
                   long elapsedMs) override;
    void stillRunning() override;
    // A unit that fails before any run reaches it.
    void failed(const Exchange& unit, const UnitFailure& failure);
    // A unit whose settings already are the system's: nothing is sent to it.
    void unchanged(const Exchange& unit);
    // The settings a unit would take, printed under its line.
    void changes(const Exchange& unit, std::vector<Change> changes);

    // The recap line, or the JSON document of command on system.
    void finish(const std::string& command, const std::string& system);
    std::size_t failedCount() const;

private:
    struct Entry {
        int number;
        std::string name; // as the terminal shows it
        std::string address;
        std::string result; // "ok", "failed" or "unchanged"
        UnitFailure failure;
        long elapsedMs;
        std::string step;
        std::vector<Change> changes;
    };
    void add(Entry entry);
    // "3 units: 2 ok, 1 failed", of the entries of one step.
    std::string recap(const std::string& step) const;
    void drawCounter();
    void clearCounter();

    const SystemStore& store_;
    std::ostream& out_;
    std::ostream& err_;
    bool json_;
    bool counter_;
    bool counterShown_ = false;
    std::string step_;
    std::size_t runUnits_ = 0;
    std::size_t runEnded_ = 0;
    std::size_t runFailed_ = 0;
    std::chrono::steady_clock::time_point runStarted_;
    std::vector<Entry> entries_;
};
