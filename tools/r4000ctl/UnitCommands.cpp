#include "UnitCommands.h"

#include "CommandError.h"
#include "Exchange.h"
#include "FileOps.h"
#include "Maintenance.h"
#include "PasswordCodec.h"
#include "R4000System.h"
#include "SettingsTransfer.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "SystemStore.h"
#include "TextRules.h"

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

int UnitCommands::report(const System& system, const AllUnitRun::Report& report)
{
    for (std::size_t i = 0; i < report.results.size(); ++i)
        printUnit(*system.equipment(int(i) + 1), report.results[i]);
    return reportFailures(report.failures);
}

int UnitCommands::reportFailures(const std::string& failures)
{
    if (failures.empty())
        return 0;
    err_ << kFailureHeading << '\n' << store_.toTerminal(failures) << '\n';
    return 1;
}

int UnitCommands::runRemembering(
    R4000System& system,
    const std::function<AllUnitRun::Report(System&, const UnitJobs::Context&)>& run)
{
    const CredentialsList before = credentialsOf(system);
    const AllUnitRun::Report result = run(system, {system, prompt_, options_});
    if (credentialsOf(system) != before)
        store_.save(system);
    return report(system, result);
}

int UnitCommands::upload(const std::string& name)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    // What is sent is what is saved.
    store_.save(system);
    return runRemembering(system, [](System& units, const UnitJobs::Context& context) {
        return SettingsTransfer::uploadAll(units, context, kBlocking);
    });
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

int UnitCommands::clock(const std::string& name)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering(system, [](System& units, const UnitJobs::Context& context) {
        return Maintenance::setClockOnAll(units, context, kBlocking);
    });
}

int UnitCommands::login(const std::string& name)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    return runRemembering(system, [](System& units, const UnitJobs::Context& context) {
        return AllUnitRun::runAll(units, UnitJobs::checkLogin(context), kBlocking);
    });
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
