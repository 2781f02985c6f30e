#include "UnitCommands.h"

#include "CommandError.h"
#include "Exchange.h"
#include "FileOps.h"
#include "Maintenance.h"
#include "MessageFolder.h"
#include "MessageListFile.h"
#include "MessageTransfer.h"
#include "PasswordCodec.h"
#include "R4000System.h"
#include "SettingsTransfer.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "SystemStore.h"
#include "TextRules.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>
#include <vector>

namespace {

constexpr auto kBlocking = AllUnitRun::WaitMode::Blocking;

// The first line of the program's failure report.
constexpr std::string_view kFailureHeading = "Connection failure to the following units.";

using CredentialsList = std::vector<std::pair<std::string, std::string>>;

CredentialsList credentialsOf(const System& system)
{
    CredentialsList list;
    for (int n = 1; n <= system.registeredCount(); ++n)
        list.emplace_back(system.equipment(n)->systemName(), system.equipment(n)->password());
    return list;
}

} // namespace

UnitCommands::UnitCommands(const SystemStore& store, CredentialsPrompt* prompt,
                           UnitClient::Options options, std::ostream& out, std::ostream& err)
    : store_(store), prompt_(prompt), options_(std::move(options)), out_(out), err_(err)
{
}

void UnitCommands::printUnit(const Exchange& unit, bool ok)
{
    char line[160];
    std::snprintf(line, sizeof line, "%2d  %-8s  %-15s  %s\n", unit.exchangeNumber(),
                  store_.toTerminal(unit.exchangeName()).c_str(), unit.targetAddressText().c_str(),
                  ok ? "ok" : "failed");
    out_ << line;
}

int UnitCommands::report(const System& system, const AllUnitRun::Report& report,
                         const std::vector<int>& units)
{
    for (std::size_t i = 0; i < report.results.size(); ++i)
        printUnit(*system.equipment(units.empty() ? int(i) + 1 : units[i]), report.results[i]);
    return reportFailures(report.failures);
}

std::vector<int> UnitCommands::chosenUnits(const System& system,
                                           const std::optional<std::string>& numbers)
{
    std::vector<int> units;
    if (!numbers)
        return units;
    const int count = system.registeredCount();
    const std::string refusal =
        "--unit takes unit numbers 1.." + std::to_string(count) + " and ranges, like 1,3,5-7";
    std::size_t at = 0;
    while (at <= numbers->size()) {
        const std::size_t end = std::min(numbers->find(',', at), numbers->size());
        const std::string part = numbers->substr(at, end - at);
        const std::size_t dash = part.find('-');
        unsigned long first = 0;
        unsigned long last = 0;
        if (!TextRules::parseNumber(part.substr(0, dash), static_cast<unsigned long>(count),
                                    first) ||
            !TextRules::parseNumber(dash == std::string::npos ? part : part.substr(dash + 1),
                                    static_cast<unsigned long>(count), last) ||
            first == 0 || last < first)
            throw CommandError(refusal);
        for (unsigned long n = first; n <= last; ++n)
            if (std::find(units.begin(), units.end(), int(n)) == units.end())
                units.push_back(int(n));
        at = end + 1;
    }
    return units;
}

int UnitCommands::reportFailures(const std::string& failures)
{
    if (failures.empty())
        return 0;
    err_ << kFailureHeading << '\n' << store_.toTerminal(failures) << '\n';
    return 1;
}

int UnitCommands::runRemembering(
    R4000System& system, const std::vector<int>& units,
    const std::function<AllUnitRun::Job(const UnitJobs::Context&)>& job)
{
    const CredentialsList before = credentialsOf(system);
    const UnitJobs::Context context{system, prompt_, options_};
    const AllUnitRun::Report result =
        units.empty() ? AllUnitRun::runAll(system, job(context), kBlocking)
                      : AllUnitRun::runOn(system, units, job(context), kBlocking);
    if (credentialsOf(system) != before)
        store_.save(system);
    return report(system, result, units);
}

int UnitCommands::upload(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::vector<int> chosen = chosenUnits(system, units);
    // What is sent is what is saved.
    store_.save(system);
    return runRemembering(system, chosen, UnitJobs::uploadSettings);
}

int UnitCommands::download(const std::string& name, long restartWaitMs)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    std::string error;
    const auto result =
        SettingsTransfer::downloadAll(system, {system, prompt_, options_}, store_.files(),
                                      store_.dataFolder(), kBlocking, restartWaitMs, error);
    const int status = report(system, result);
    if (!error.empty())
        throw CommandError("download: " + error);
    return status;
}

int UnitCommands::clock(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering(system, chosenUnits(system, units), UnitJobs::setClock);
}

int UnitCommands::login(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering(system, chosenUnits(system, units), UnitJobs::checkLogin);
}

int UnitCommands::passwd(const std::string& name, const std::optional<std::string>& newName,
                         const std::optional<std::string>& newPassword,
                         const std::optional<std::string>& newMaintenance)
{
    if (!newName && !newPassword && !newMaintenance)
        throw CommandError("passwd: give --name, --password or --maintenance");
    if ((newName || newPassword) && newMaintenance)
        throw CommandError("passwd: change the maintenance password on its own");
    R4000System system(store_.locale());
    store_.load(name, system);
    const Maintenance::Previous previous{system.systemName(), system.password(),
                                         system.maintenancePassword()};

    if (newMaintenance && !system.setMaintenancePassword(*newMaintenance))
        throw CommandError("passwd: Enter 4 digits number.");
    if (newName || newPassword) {
        std::string plain;
        if (!newPassword && !PasswordCodec::decode(previous.storedPassword, previous.name, plain))
            throw CommandError("passwd: the system's password cannot be read; give --password");
        const std::string target = newName ? SystemCredentials::trimmed(*newName) : previous.name;
        if (newName && target != *newName)
            err_ << "r4000ctl: " << SystemCredentials::trimmedNotice() << '\n';
        if (!system.setSystemName(target))
            throw CommandError("passwd: " + SystemCredentials::englishText(
                                                SystemCredentials::Result::NameRefused));
        if ((newPassword && newPassword->size() > PasswordCodec::kMaxPlainLength) ||
            !system.setPassword(PasswordCodec::encode(newPassword ? *newPassword : plain, target)))
            throw CommandError("passwd: " + SystemCredentials::englishText(
                                                SystemCredentials::Result::PasswordRefused));
        // Refused before any unit is touched: the new folder may be nobody's to take.
        std::string refusal;
        if (!SystemFolder::canRename(store_.files(), store_.dataFolder(), previous.name, target,
                                     refusal))
            throw CommandError("passwd: " + refusal);
    }

    const auto outcome =
        Maintenance::changePassword(system, previous, {system, prompt_, options_}, store_.files(),
                                    store_.dataFolder(), SystemStore::stamp(), kBlocking);
    if (!outcome.sent) {
        out_ << "nothing changed; nothing sent\n";
        return 0;
    }
    const int status = report(system, outcome.report);
    if (!outcome.error.empty())
        throw CommandError("passwd: " + outcome.error);
    return status;
}

int UnitCommands::firmware(const std::string& name, const std::string& unit,
                           const std::string& file)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const int count = system.registeredCount();
    unsigned long n = 0;
    if (!TextRules::parseNumber(unit, static_cast<unsigned long>(count), n) || n == 0)
        throw CommandError("firmware: unit '" + unit + "' must be 1.." + std::to_string(count));
    if (!store_.files().exists(file))
        throw CommandError("firmware: cannot read " + file);
    Exchange& target = *system.equipment(int(n));
    UnitClient client(target, prompt_, options_);
    const bool ok = client.uploadFirmwareFile(store_.files(), file);
    printUnit(target, ok);
    return reportFailures(
        ok ? std::string() : AllUnitRun::failureLine(target, AllUnitRun::FailureFormat::WithBlank));
}

UnitCommands::MessagePlan UnitCommands::messagePlan(const System& system,
                                                    const std::string& standardFolder) const
{
    const std::string& name = system.systemName();
    MessagePlan plan{MessageCatalog::read(store_.files(), standardFolder,
                                          MessageFolder::ownFolder(store_.dataFolder(), name)),
                     MessageAssignments(system), false};
    plan.stale = plan.assignments.apply(
        MessageListFile::load(store_.files(), MessageFolder::listPath(store_.dataFolder(), name)),
        system);
    return plan;
}

int UnitCommands::sendMessages(const std::string& name, const std::optional<std::string>& siren,
                               const std::string& standardFolder)
{
    unsigned long sirenValue = 0;
    if (siren &&
        (!TextRules::parseNumber(*siren, 255, sirenValue) || !System::isSiren(int(sirenValue))))
        throw CommandError("msg send: --siren is 1 (zone paging chime), 0 (all-call chime), "
                           "32 to 36 (sirens 1 to 5) or 255 (none)");
    R4000System system(store_.locale());
    store_.load(name, system);

    int status = 0;
    if (siren && int(sirenValue) != system.siren()) {
        out_ << "siren " << sirenValue << ":\n";
        const auto result = MessageTransfer::changeSiren(system, int(sirenValue),
                                                         {system, prompt_, options_}, kBlocking);
        store_.save(system);
        status = report(system, result);
        out_ << "messages:\n";
    }

    MessagePlan plan = messagePlan(system, standardFolder);
    // Every station with a message is sent it; one whose message is gone fails by name.
    std::string missing;
    for (std::size_t row = 0; row < plan.assignments.rows().size(); ++row) {
        const MessageAssignments::Row& station = plan.assignments.rows()[row];
        if (station.title.empty())
            continue;
        if (plan.catalog.find(station.title).empty()) {
            const Exchange& unit = *system.equipment(station.unit);
            printUnit(unit, false);
            missing += AllUnitRun::failureLine(unit, AllUnitRun::FailureFormat::WithBlank) +
                       ": no message \"" + station.title + "\"";
        }
        plan.assignments.setChecked(int(row), true);
    }
    const auto transfers = plan.assignments.transfers(plan.catalog);
    if (transfers.empty() && missing.empty())
        out_ << "no station of " << store_.toTerminal(name) << " is given a message\n";

    const CredentialsList before = credentialsOf(system);
    const AllUnitRun::Report result = MessageTransfer::send(
        system, transfers, {system, prompt_, options_}, store_.files(), kBlocking);
    if (credentialsOf(system) != before)
        store_.save(system);
    for (std::size_t i = 0; i < transfers.size(); ++i)
        printUnit(*system.equipment(transfers[i].unit), result.results[i]);
    const std::string list = MessageFolder::listPath(store_.dataFolder(), name);
    if (plan.stale &&
        !MessageListFile::save(store_.files(), list, plan.assignments.entries(plan.catalog)))
        throw CommandError("msg send: cannot write " + list);
    return std::max(status, reportFailures(missing + result.failures));
}

int UnitCommands::listMessages(const std::string& name, const std::string& standardFolder)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const MessagePlan plan = messagePlan(system, standardFolder);
    out_ << "siren: " << system.siren() << '\n';
    for (const MessageAssignments::Row& row : plan.assignments.rows()) {
        const Exchange& unit = *system.equipment(row.unit);
        const std::string path = row.title.empty() ? std::string() : plan.catalog.find(row.title);
        char line[160];
        std::snprintf(line, sizeof line, "%2d  %-8s  %-15s  ", unit.exchangeNumber(),
                      store_.toTerminal(unit.exchangeName()).c_str(),
                      unit.targetAddressText().c_str());
        out_ << line
             << (row.title.empty()
                     ? std::string("-")
                     : store_.toTerminal(row.title) +
                           (path.empty() ? "  (not found)" : "  " + store_.toTerminal(path)))
             << '\n';
    }
    return 0;
}
