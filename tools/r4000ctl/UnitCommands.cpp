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
#include "SettingsDiff.h"
#include "SettingsFileWriter.h"
#include "SettingsTransfer.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "SystemStore.h"
#include "TerminalColumns.h"
#include "TextRules.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr auto kBlocking = AllUnitRun::WaitMode::Blocking;

// The first line of the program's failure report.
constexpr std::string_view kFailureHeading = "Connection failure to the following units.";

using CredentialsList = std::vector<std::pair<std::string, std::string>>;

// The settings file an upload sends the unit: under the system's credentials, which the
// upload gives a unit that has others.
std::string settingsToSend(Exchange& unit, const System& system, const std::string& stamp)
{
    const std::string name = unit.systemName();
    const std::string password = unit.password();
    unit.setSystemName(system.systemName());
    unit.setPassword(system.password());
    std::string file = SettingsFileWriter::write(unit, stamp);
    unit.setSystemName(name);
    unit.setPassword(password);
    return file;
}

CredentialsList credentialsOf(const System& system)
{
    CredentialsList list;
    for (int n = 1; n <= system.registeredCount(); ++n)
        list.emplace_back(system.equipment(n)->systemName(), system.equipment(n)->password());
    return list;
}

} // namespace

UnitCommands::UnitCommands(const SystemStore& store, CredentialsPrompt* prompt,
                           UnitClient::Options options, Output output, std::ostream& out,
                           std::ostream& err)
    : store_(store), prompt_(prompt), options_(std::move(options)), output_(output), out_(out),
      err_(err)
{
}

RunReporter UnitCommands::reporter() const
{
    return RunReporter(store_, out_, err_, output_.json, output_.counter, output_.terminal);
}

int UnitCommands::finish(RunReporter& reporter, const std::string& command,
                         const std::string& system, const std::string& failures)
{
    reporter.finish(command, system);
    return reportFailures(failures);
}

std::vector<int> UnitCommands::chosenUnits(const System& system,
                                           const std::optional<std::string>& numbers,
                                           const std::string& what)
{
    if (!numbers)
        return AllUnitRun::everyUnit(system);
    std::vector<int> units;
    const int count = system.registeredCount();
    const std::string refusal =
        what + " takes unit numbers 1.." + std::to_string(count) + " and ranges, like 1,3,5-7";
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
    const std::string& command, R4000System& system, const std::vector<int>& units,
    const std::function<AllUnitRun::Job(const UnitJobs::Context&)>& job)
{
    const CredentialsList before = credentialsOf(system);
    const UnitJobs::Context context{system, prompt_, options_};
    RunReporter progress = reporter();
    progress.beginRun(units.size());
    const AllUnitRun::Report result =
        AllUnitRun::runOn(system, units, job(context), {kBlocking, &progress});
    if (credentialsOf(system) != before)
        store_.save(system);
    return finish(progress, command, system.systemName(), result.failures);
}

AllUnitRun::Report UnitCommands::compare(System& system, const std::vector<int>& units,
                                         RunReporter& progress, const std::string& step,
                                         RunReporter::Comparisons& found)
{
    // What a save would write, and so what an upload sends.
    system.applyModelRules();
    for (const int n : units)
        found[n];
    progress.beginComparing(units.size(), step, &found);
    const UnitJobs::Context context{system, prompt_, options_};
    return AllUnitRun::runOn(system, units,
                             [&context, &found](Exchange& unit) {
                                 UnitClient client(unit, context.prompt, context.options);
                                 std::string current;
                                 if (!client.checkLogin() || !client.fetchSettings(current))
                                     return false;
                                 found.at(unit.exchangeNumber()) = SettingsDiff::compare(
                                     current,
                                     settingsToSend(unit, context.system, context.options.stamp));
                                 return true;
                             },
                             {kBlocking, &progress});
}

int UnitCommands::upload(const std::string& name, const std::optional<std::string>& units,
                         const UploadChecks& checks)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::vector<int> chosen = chosenUnits(system, units);
    const bool comparing = checks.diff || checks.dryRun;
    if (!comparing && !checks.verify) {
        // What is sent is what is saved.
        store_.save(system);
        return runRemembering("upload", system, chosen, UnitJobs::uploadSettings);
    }

    RunReporter progress = reporter();
    std::string failures;
    RunReporter::Comparisons differences;
    std::vector<int> sending = chosen;
    if (comparing) {
        const AllUnitRun::Report found = compare(system, chosen, progress, "diff", differences);
        failures += found.failures;
        sending.clear();
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (found.results[i] && !differences[chosen[i]].empty())
                sending.push_back(chosen[i]);
        }
        if (checks.dryRun)
            return finish(progress, "upload", name, failures);
    }

    store_.save(system);
    const CredentialsList before = credentialsOf(system);
    const UnitJobs::Context context{system, prompt_, options_};
    std::vector<int> sent;
    if (!sending.empty()) {
        progress.beginRun(sending.size(), "upload");
        const AllUnitRun::Report uploaded = AllUnitRun::runOn(
            system, sending, UnitJobs::uploadSettings(context), {kBlocking, &progress});
        failures += uploaded.failures;
        for (std::size_t i = 0; i < sending.size(); ++i) {
            if (uploaded.results[i])
                sent.push_back(sending[i]);
        }
    }
    if (credentialsOf(system) != before)
        store_.save(system);

    if (checks.verify && !sent.empty()) {
        RunReporter::Comparisons leftovers;
        for (const int n : sent)
            leftovers[n];
        progress.beginVerifying(sent.size(), "verify", &leftovers);
        const long waitMs = checks.restartWaitMs;
        const AllUnitRun::Report verified = AllUnitRun::runOn(
            system, sent,
            [&context, &leftovers, waitMs](Exchange& unit) {
                // The unit restarts to take its settings: until the wait is over, a unit
                // that does not answer, or answers with its old settings, is asked again.
                const auto deadline =
                    std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
                const std::string expected =
                    settingsToSend(unit, context.system, context.options.stamp);
                UnitClient client(unit, context.prompt, context.options);
                for (;;) {
                    std::string back;
                    if (client.fetchSettings(back)) {
                        auto changes = SettingsDiff::compare(expected, back);
                        if (changes.empty())
                            return true;
                        UnitFailure::note(UnitFailure::Reason::NotTaken,
                                          std::to_string(changes.size()) + " settings differ");
                        leftovers.at(unit.exchangeNumber()) = std::move(changes);
                    }
                    if (std::chrono::steady_clock::now() >= deadline)
                        return false;
                    std::this_thread::sleep_for(std::chrono::milliseconds(500));
                }
            },
            {kBlocking, &progress});
        failures += verified.failures;
    }
    return finish(progress, "upload", name, failures);
}

int UnitCommands::check(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::vector<int> chosen = chosenUnits(system, units);
    RunReporter progress = reporter();
    RunReporter::Comparisons differences;
    const AllUnitRun::Report found = compare(system, chosen, progress, "", differences);
    const int status = finish(progress, "download --check", name, found.failures);
    const bool drift = std::any_of(differences.begin(), differences.end(),
                                   [](const auto& unit) { return !unit.second.empty(); });
    return std::max(status, drift ? 1 : 0);
}

int UnitCommands::download(const std::string& name, long restartWaitMs,
                           const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::vector<int> chosen = chosenUnits(system, units);
    RunReporter progress = reporter();
    progress.beginRun(chosen.size());
    std::string error;
    const auto result = SettingsTransfer::downloadAll(
        system, {system, prompt_, options_}, store_.files(), store_.dataFolder(),
        {kBlocking, &progress}, restartWaitMs, error, chosen);
    const int status = finish(progress, "download", name, result.failures);
    if (!error.empty())
        throw CommandError("download: " + error);
    return status;
}

int UnitCommands::clock(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering("clock", system, chosenUnits(system, units), UnitJobs::setClock);
}

int UnitCommands::login(const std::string& name, const std::optional<std::string>& units)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering("login", system, chosenUnits(system, units), UnitJobs::checkLogin);
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

    RunReporter progress = reporter();
    progress.beginRun(std::size_t(system.registeredCount()));
    const auto outcome = Maintenance::changePassword(system, previous, {system, prompt_, options_},
                                                     store_.files(), store_.dataFolder(),
                                                     SystemStore::stamp(), {kBlocking, &progress});
    if (!outcome.sent) {
        err_ << "r4000ctl: passwd: nothing changed; nothing sent\n";
        progress.finish("passwd", system.systemName());
        return 0;
    }
    const int status = finish(progress, "passwd", system.systemName(), outcome.report.failures);
    if (!outcome.error.empty())
        throw CommandError("passwd: " + outcome.error);
    return status;
}

int UnitCommands::firmware(const std::string& name, const std::string& units,
                           const std::string& file, bool allAtOnce)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::vector<int> chosen = chosenUnits(
        system, units == "all" ? std::nullopt : std::optional<std::string>(units), "firmware: N");
    std::string image;
    if (!store_.files().readFile(file, image))
        throw CommandError("firmware: cannot read " + file);
    RunReporter progress = reporter();
    progress.beginRun(chosen.size());
    const UnitClient::Options options = options_;
    CredentialsPrompt* prompt = prompt_;
    const AllUnitRun::Report result = AllUnitRun::runOn(
        system, chosen,
        [&image, options, prompt](Exchange& unit) {
            return UnitClient(unit, prompt, options).uploadFirmware(image);
        },
        {kBlocking, &progress},
        allAtOnce ? AllUnitRun::Pace::AllAtOnce : AllUnitRun::Pace::OneAtATime);
    return finish(progress, "firmware", name, result.failures);
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

    RunReporter progress = reporter();
    std::string failures;
    const bool sirenChanges = siren && int(sirenValue) != system.siren();
    if (sirenChanges) {
        progress.beginRun(std::size_t(system.registeredCount()),
                          "siren " + std::to_string(sirenValue));
        failures = MessageTransfer::changeSiren(system, int(sirenValue),
                                                {system, prompt_, options_}, {kBlocking, &progress})
                       .failures;
        store_.save(system);
    }

    MessagePlan plan = messagePlan(system, standardFolder);
    const auto transfers = [&plan] {
        for (std::size_t row = 0; row < plan.assignments.rows().size(); ++row)
            plan.assignments.setChecked(int(row), true);
        return plan.assignments.transfers(plan.catalog);
    }();
    progress.beginRun(transfers.size(), sirenChanges ? "messages" : "");
    // Every station with a message is sent it; one whose message is gone fails by name.
    for (const MessageAssignments::Row& station : plan.assignments.rows()) {
        if (station.title.empty() || !plan.catalog.find(station.title).empty())
            continue;
        const Exchange& unit = *system.equipment(station.unit);
        progress.failed(unit, {UnitFailure::Reason::LocalFile,
                               "no message \"" + store_.toTerminal(station.title) + "\""});
        failures += AllUnitRun::failureLine(unit, AllUnitRun::FailureFormat::WithBlank) +
                    ": no message \"" + station.title + "\"";
    }
    if (transfers.empty() && progress.failedCount() == 0 && !output_.json)
        out_ << "no station of " << store_.toTerminal(name) << " is given a message\n";

    const CredentialsList before = credentialsOf(system);
    failures += MessageTransfer::send(system, transfers, {system, prompt_, options_},
                                      store_.files(), {kBlocking, &progress})
                    .failures;
    if (credentialsOf(system) != before)
        store_.save(system);
    const std::string list = MessageFolder::listPath(store_.dataFolder(), name);
    if (plan.stale &&
        !MessageListFile::save(store_.files(), list, plan.assignments.entries(plan.catalog)))
        throw CommandError("msg send: cannot write " + list);
    return finish(progress, "msg send", name, failures);
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
        char number[8];
        std::snprintf(number, sizeof number, "%2d", unit.exchangeNumber());
        out_ << number << "  " << TerminalColumns::padded(store_.toTerminal(unit.exchangeName()), 8)
             << "  " << TerminalColumns::padded(unit.targetAddressText(), 15) << "  "
             << (row.title.empty()
                     ? std::string("-")
                     : store_.toTerminal(row.title) +
                           (path.empty() ? "  (not found)" : "  " + store_.toTerminal(path)))
             << '\n';
    }
    return 0;
}
