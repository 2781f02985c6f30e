#include "ScanImport.h"

#include "EquipmentCounts.h"
#include "Exchange.h"
#include "ExchangeTraits.h"
#include "ScanElement.h"
#include "System.h"
#include "TextRules.h"

ScanImport::ScanImport(const System& system)
{
    const ExManager& models = system.exManager();
    for (const std::string& model : models.models()) {
        // A model the system's language does not offer is not known to it.
        const ExchangeTraits* traits = models.traits(model);
        if (!traits || model == "NONE")
            continue;
        const std::string display(traits->displayName);
        modelByDisplay_[display] = model;
        displayByModel_[model] = display;
    }
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        if (unit.isNone())
            continue;
        targets_.push_back({std::string(EquipmentCounts::typeText(unit)), n, unit.exchangeName(),
                            std::string(unit.displayName()), unit.ipAddress(), unit.subnetMask(),
                            unit.gatewayAddress(), unit.websPort()});
    }
}

void ScanImport::setFound(const std::map<std::string, ScanElement>& units)
{
    found_.clear();
    for (const auto& [mac, unit] : units) {
        const auto known = displayByModel_.find(unit.modelName);
        if (known == displayByModel_.end())
            continue;
        found_.push_back({typeOf(unit.modelName), 0, unit.unitName, known->second, unit.ipAddress,
                          unit.subnetMask, unit.gateway, unit.webPort});
    }
}

std::string ScanImport::typeOf(const std::string& model)
{
    if (model.size() >= 4 &&
        TextRules::equalsIgnoreCase(std::string_view(model).substr(0, 4), "R-47"))
        return "IP";
    return model.size() >= 2 ? model.substr(model.size() - 2) : model;
}

bool ScanImport::copy(int from, int to)
{
    if (from < 0 || from >= int(found_.size()) || to < 0 || to >= int(targets_.size()))
        return false;
    Row& target = targets_[std::size_t(to)];
    const int number = target.number;
    target = found_[std::size_t(from)];
    target.number = number;
    copies_.push_back(to);
    return true;
}

void ScanImport::apply(System& system) const
{
    for (int row : copies_) {
        const Row& copied = targets_[std::size_t(row)];
        // Another model first: a new model names the unit after itself, and the copied
        // name must win.
        Exchange* unit = system.equipment(copied.number);
        if (unit && unit->displayName() != copied.model) {
            const auto model = modelByDisplay_.find(copied.model);
            if (model != modelByDisplay_.end())
                system.changeEquipmentModel(copied.number, model->second);
            unit = system.equipment(copied.number);
        }
        if (!unit)
            continue;
        unit->setExchangeName(copied.name);
        unit->setIpAddress(copied.address);
        unit->setSubnetMask(copied.mask);
        unit->setGatewayAddress(copied.gateway);
        unit->setWebsPort(copied.webPort);
        unit->setWanIpAddress(copied.address);
        unit->setWanWebsPort(copied.webPort);
    }
    system.announce("");
}
