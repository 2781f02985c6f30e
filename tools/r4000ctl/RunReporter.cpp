#include "RunReporter.h"

#include "Exchange.h"
#include "SystemStore.h"
#include "TerminalColumns.h"
#include "TextRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

RunReporter::RunReporter(const SystemStore& store, std::ostream& out, std::ostream& err, bool json,
                         bool counter, std::mutex* terminal)
    : store_(store), out_(out), err_(err), json_(json), counter_(counter), terminal_(terminal)
{
}

std::unique_lock<std::mutex> RunReporter::holdTerminal() const
{
    return terminal_ ? std::unique_lock<std::mutex>(*terminal_) : std::unique_lock<std::mutex>();
}

void RunReporter::beginComparing(std::size_t units, const std::string& step,
                                 const Comparisons* found)
{
    beginRun(units, step);
    comparisons_ = found;
    comparing_ = true;
}

void RunReporter::beginVerifying(std::size_t units, const std::string& step,
                                 const Comparisons* found)
{
    beginRun(units, step);
    comparisons_ = found;
}

void RunReporter::beginRun(std::size_t units, const std::string& step)
{
    const auto hold = holdTerminal();
    step_ = step;
    comparisons_ = nullptr;
    comparing_ = false;
    runUnits_ = units;
    runEnded_ = 0;
    runFailed_ = 0;
    runStarted_ = std::chrono::steady_clock::now();
    if (!json_ && !step.empty())
        out_ << step << ":\n" << std::flush;
    drawCounter();
}

void RunReporter::unitEnded(const Exchange& unit, bool ok, const UnitFailure& failure,
                            long elapsedMs)
{
    const auto hold = holdTerminal();
    ++runEnded_;
    if (!ok)
        ++runFailed_;
    Entry entry{unit.exchangeNumber(),
                store_.toTerminal(unit.exchangeName()),
                unit.targetAddressText(),
                ok ? "ok" : "failed",
                ok ? UnitFailure() : failure,
                elapsedMs,
                step_,
                {}};
    if (comparisons_) {
        const auto found = comparisons_->find(unit.exchangeNumber());
        if (found != comparisons_->end())
            entry.changes = found->second;
        if (ok && comparing_)
            entry.result = entry.changes.empty() ? "unchanged" : "differs";
    }
    add(std::move(entry));
    drawCounter();
}

void RunReporter::stillRunning()
{
    const auto hold = holdTerminal();
    drawCounter();
}

void RunReporter::failed(const Exchange& unit, const UnitFailure& failure)
{
    const auto hold = holdTerminal();
    add({unit.exchangeNumber(),
         store_.toTerminal(unit.exchangeName()),
         unit.targetAddressText(),
         "failed",
         failure,
         0,
         step_,
         {}});
}

void RunReporter::add(Entry entry)
{
    if (!json_) {
        clearCounter();
        char number[8];
        std::snprintf(number, sizeof number, "%2d", entry.number);
        out_ << number << "  " << TerminalColumns::padded(entry.name, 8) << "  "
             << TerminalColumns::padded(entry.address, 15) << "  " << entry.result;
        if (entry.result == "failed")
            out_ << ": " << entry.failure.text();
        out_ << '\n';
        for (const SettingsDiff::Change& change : entry.changes) {
            const Shown shown = this->shown(change);
            out_ << "      " << shown.section << ' ' << shown.key << ": " << shown.before << " -> "
                 << shown.after << '\n';
        }
        out_ << std::flush;
    }
    entries_.push_back(std::move(entry));
}

RunReporter::Shown RunReporter::shown(const SettingsDiff::Change& change) const
{
    // Passwords stay off the screen, even in the stored form, which decodes; what a unit
    // sent is shown with its control characters escaped.
    std::string key = change.key;
    for (char& c : key)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const bool secret = key.find("passwd") != std::string::npos;
    const auto text = [this](const std::string& bytes) {
        return TextRules::escapeControls(store_.toTerminal(bytes));
    };
    const auto value = [&](const std::string& bytes, bool missing) {
        if (missing)
            return std::string("(none)");
        return secret ? std::string("(hidden)") : "\"" + text(bytes) + "\"";
    };
    return {text(change.section), text(change.key), value(change.before, change.onlyAfter),
            value(change.after, change.onlyBefore)};
}

void RunReporter::drawCounter()
{
    if (!counter_ || runEnded_ >= runUnits_) {
        clearCounter();
        return;
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::steady_clock::now() - runStarted_)
                             .count();
    err_ << "\r\033[K" << runEnded_ << '/' << runUnits_ << " done, " << runFailed_ << " failed, "
         << seconds << " s" << std::flush;
    counterShown_ = true;
}

void RunReporter::clearCounter()
{
    if (!counterShown_)
        return;
    err_ << "\r\033[K" << std::flush;
    counterShown_ = false;
}

std::size_t RunReporter::count(std::string_view result, const std::string* step) const
{
    return std::size_t(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return (result.empty() || e.result == result) && (!step || e.step == *step);
    }));
}

std::size_t RunReporter::failedCount() const
{
    return count("failed");
}

void RunReporter::finish(const std::string& command, const std::string& system)
{
    const auto hold = holdTerminal();
    clearCounter();
    if (!json_) {
        // One recap per run of its own name, in the order they ran.
        std::vector<std::string> steps;
        for (const Entry& entry : entries_) {
            if (std::find(steps.begin(), steps.end(), entry.step) == steps.end())
                steps.push_back(entry.step);
        }
        for (const std::string& step : steps)
            out_ << (step.empty() ? std::string() : step + ": ") << recap(step) << '\n';
        out_ << std::flush;
        return;
    }
    QJsonArray units;
    for (const Entry& entry : entries_) {
        QJsonObject unit{{"number", entry.number},
                         {"name", text(entry.name)},
                         {"address", text(entry.address)},
                         {"result", text(entry.result)},
                         {"reason", UnitFailure::key(entry.failure.reason)},
                         {"detail", text(entry.failure.detail)},
                         {"elapsedMs", qint64(entry.elapsedMs)}};
        if (!entry.step.empty())
            unit.insert("step", text(entry.step));
        if (!entry.changes.empty()) {
            QJsonArray changes;
            for (const SettingsDiff::Change& change : entry.changes) {
                const Shown shown = this->shown(change);
                changes.append(QJsonObject{{"section", text(shown.section)},
                                           {"key", text(shown.key)},
                                           {"before", text(shown.before)},
                                           {"after", text(shown.after)}});
            }
            unit.insert("changes", changes);
        }
        units.append(unit);
    }
    out_ << QJsonDocument(QJsonObject{{"command", text(command)},
                                      {"system", text(store_.toTerminal(system))},
                                      {"units", units},
                                      {"ok", qint64(count("ok"))},
                                      {"failed", qint64(count("failed"))},
                                      {"unchanged", qint64(count("unchanged"))},
                                      {"differs", qint64(count("differs"))}})
                .toJson()
                .toStdString()
         << std::flush;
}

std::string RunReporter::recap(const std::string& step) const
{
    const std::size_t units = count({}, &step);
    const std::size_t unchanged = count("unchanged", &step);
    const std::size_t differ = count("differs", &step);
    std::string line = std::to_string(units) + (units == 1 ? " unit: " : " units: ");
    if (unchanged || differ)
        line += std::to_string(unchanged) + " unchanged, " + std::to_string(differ) + " differ, ";
    else
        line += std::to_string(count("ok", &step)) + " ok, ";
    return line + std::to_string(count("failed", &step)) + " failed";
}
