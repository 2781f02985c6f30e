#include "EquipmentCounts.h"

#include "Exchange.h"
#include "System.h"

namespace EquipmentCounts {
namespace {

bool isOf(const Exchange& unit, Category category)
{
    switch (category) {
    case Category::Exchange:
        return unit.isExchange();
    case Category::IPStation:
        return unit.isIPStation();
    case Category::MultiInterface:
        return unit.isMultiInterface();
    }
    return false;
}

std::string_view defaultModel(const System& system, Category category)
{
    switch (category) {
    case Category::Exchange:
        return system.defaultExchangeModel();
    case Category::IPStation:
        return system.defaultIPStationModel();
    case Category::MultiInterface:
        return system.defaultMultiInterfaceModel();
    }
    return {};
}

} // namespace

std::string_view typeText(const Exchange& unit)
{
    if (unit.isExchange())
        return "EX";
    if (unit.isIPStation())
        return "IP";
    if (unit.isMultiInterface())
        return "MI";
    return {};
}

int count(const System& system, Category category)
{
    int found = 0;
    for (int n = 1; n <= system.registeredCount(); ++n)
        found += isOf(*system.equipment(n), category) ? 1 : 0;
    return found;
}

bool setCount(System& system, Category category, int wanted)
{
    const int present = count(system, category);
    if (wanted < 0 || system.registeredCount() - present + wanted > system.maxEquipment())
        return false;
    for (int added = present; added < wanted; ++added)
        system.insertEquipment(system.registeredCount() + 1, defaultModel(system, category));
    for (int n = system.registeredCount(), left = present; n >= 1 && left > wanted; --n) {
        if (isOf(*system.equipment(n), category)) {
            system.removeEquipment(n);
            --left;
        }
    }
    return true;
}

} // namespace EquipmentCounts
