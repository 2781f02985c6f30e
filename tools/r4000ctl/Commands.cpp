#include "Commands.h"

#include "CommandError.h"
#include "DataFolder.h"
#include "EquipmentCounts.h"
#include "ExManager.h"
#include "Exchange.h"
#include "FileOps.h"
#include "R4000System.h"
#include "SettingsFileWriter.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "SystemStore.h"
#include "TextRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace {

bool sameFolder(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

} // namespace

Commands::Commands(const SystemStore& store, std::ostream& out, std::ostream& err)
    : store_(store), out_(out), err_(err)
{
}

int Commands::systems(bool json)
{
    QJsonArray names;
    for (const auto& entry : DataFolder::knownSystems(store_.files(), store_.dataFolder())) {
        const std::string name = store_.toTerminal(entry.first);
        if (json)
            names.append(QString::fromStdString(name));
        else
            out_ << name << '\n';
    }
    if (json)
        out_ << QJsonDocument(QJsonObject{{"systems", names}}).toJson().toStdString();
    return 0;
}

int Commands::check(const std::string& name, bool json)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    if (json) {
        QJsonArray units;
        for (int n = 1; n <= system.registeredCount(); ++n) {
            const Exchange& unit = *system.equipment(n);
            units.append(QJsonObject{
                {"number", n},
                {"type", QString::fromStdString(std::string(EquipmentCounts::typeText(unit)))},
                {"model", QString::fromStdString(std::string(unit.modelName()))},
                {"name", QString::fromStdString(store_.toTerminal(unit.exchangeName()))},
                {"address", QString::fromStdString(unit.ipAddressText())}});
        }
        const QJsonObject summary{
            {"name", QString::fromStdString(store_.toTerminal(system.systemName()))},
            {"stationDigits", system.stationDigits()},
            {"pagingDigits", system.pagingDigits()},
            {"accessNumberDigits", system.controlDigits()},
            {"units", units}};
        out_ << QJsonDocument(summary).toJson().toStdString();
        return 0;
    }
    out_ << "name: " << system.systemName() << '\n'
         << "station digits: " << system.stationDigits() << '\n'
         << "paging digits: " << system.pagingDigits() << '\n'
         << "access-number digits: " << system.controlDigits() << '\n'
         << "units: " << system.registeredCount() << '\n';
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        char line[128];
        std::snprintf(line, sizeof line, "%2d  %-2s  %-8s  %-8s  %s\n", n,
                      std::string(EquipmentCounts::typeText(unit)).c_str(),
                      std::string(unit.modelName()).c_str(),
                      store_.toTerminal(unit.exchangeName()).c_str(), unit.ipAddressText().c_str());
        out_ << line;
    }
    return 0;
}

int Commands::exportTo(const std::string& name, const std::string& outDir)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const std::string stamp = SystemStore::stamp();
    // Never into a system of the data folder, and only into a folder of nobody else's files.
    for (const auto& [known, file] :
         DataFolder::knownSystems(store_.files(), store_.dataFolder())) {
        if (sameFolder(outDir, store_.folderOf(known)))
            throw CommandError("export: " + outDir + " is the folder of system '" + known + "'" +
                               (known == name ? " itself" : ""));
    }
    std::string error;
    if (!SystemFolder::isFreeFor(store_.files(), outDir, system.systemName(), error))
        throw CommandError("export: " + error);
    if (!SystemFolder(store_.files(), outDir, system.systemName()).save(system, stamp, error))
        throw CommandError("export: " + error);
    out_ << "exported system '" << name << "' to " << outDir << " (" << system.registeredCount()
         << (system.registeredCount() == 1 ? " unit" : " units") << ")\n";
    return 0;
}

int Commands::settings(const std::string& name, const std::string& unit)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const int count = system.registeredCount();
    unsigned long n = 0;
    if (!TextRules::parseNumber(unit, static_cast<unsigned long>(count), n) || n == 0)
        throw CommandError(count == 0 ? "settings: system '" + name + "' has no units"
                                      : "settings: unit '" + unit + "' must be 1.." +
                                            std::to_string(count));
    const std::string stamp = SystemStore::stamp();
    system.applyModelRules();
    const std::string text = SettingsFileWriter::write(*system.equipment(int(n)), stamp);
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    return 0;
}

int Commands::create(const std::string& name, const std::string& password)
{
    R4000System system(store_.locale());
    const SystemCredentials::Outcome outcome =
        SystemCredentials::apply(system, name, password, password);
    if (outcome.trimmed)
        err_ << "r4000ctl: " << SystemCredentials::trimmedNotice() << '\n';
    if (!outcome.ok())
        throw CommandError("new: " + outcome.message);
    // Valid system names may still be folder names with a meaning of their own.
    if (outcome.name == "." || outcome.name == "..")
        throw CommandError("new: '" + outcome.name + "' cannot name a system folder");
    if (store_.isKnown(outcome.name))
        throw CommandError("new: system '" + outcome.name + "' already exists in " +
                           store_.dataFolder());
    const std::string stamp = SystemStore::stamp();

    if (!DataFolder::ensure(store_.files(), store_.dataFolder()))
        throw CommandError("new: cannot create the data folder " + store_.dataFolder());
    std::string error;
    if (!SystemFolder(store_.files(), store_.folderOf(outcome.name), outcome.name)
             .save(system, stamp, error))
        throw CommandError("new: " + error);
    out_ << "created system '" << outcome.name << "' in " << store_.dataFolder() << '\n';
    return 0;
}

int Commands::add(const std::string& name, const std::string& model, const std::string& address,
                  const std::string& unitName)
{
    R4000System system(store_.locale());
    store_.load(name, system);
    const int n = system.registeredCount() + 1;
    if (n > system.maxEquipment())
        throw CommandError("add: system '" + name + "' has " +
                           std::to_string(system.maxEquipment()) + " units already");
    Exchange* unit = system.insertEquipment(n, model);
    if (!unit) {
        std::string known;
        for (const std::string& each : system.exManager().models()) {
            if (each != "NONE" && system.exManager().knows(each))
                known += (known.empty() ? "" : ", ") + each;
        }
        throw CommandError("add: unknown model '" + model + "' (one of " + known + ")");
    }
    if (!unit->setIpAddressText(address))
        throw CommandError("add: '" + address + "' is no address a unit can have");
    // Without routers in between, the unit is reached at its own address.
    unit->setNapt(false);
    std::string nameBytes;
    if (!unitName.empty() &&
        (!store_.fromTerminal(unitName, nameBytes) || !unit->setExchangeName(nameBytes)))
        throw CommandError("add: '" + unitName + "' is no name a unit can have");
    store_.save(system);
    out_ << "added unit " << n << " (" << model << ", " << unit->ipAddressText() << ") to system '"
         << name << "'\n";
    return 0;
}
