#include "SiteSurvey.h"

#include "Exchange.h"
#include "System.h"

#include <set>

SiteSurvey::SiteSurvey(const System& system, const std::map<std::string, ScanElement>& scanned)
{
    std::map<std::string, std::vector<const ScanElement*>> byAddress;
    for (const auto& [mac, element] : scanned)
        byAddress[element.ipAddress.toText()].push_back(&element);
    for (const auto& [address, elements] : byAddress) {
        if (elements.size() < 2)
            continue;
        SharedAddress shared{address, {}};
        for (const ScanElement* element : elements)
            shared.macs.push_back(ScanElement::macText(element->macAddress));
        shared_.push_back(std::move(shared));
    }

    std::set<const ScanElement*> matched;
    // The first that answered from an address stands for it; the rest show as unknown.
    const auto take = [&matched](const ScanElement* element) {
        matched.insert(element);
        return *element;
    };
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        const auto at = byAddress.find(unit.ipAddressText());
        const ScanElement* element = nullptr;
        if (at != byAddress.end()) {
            for (const ScanElement* candidate : at->second) {
                if (!matched.count(candidate)) {
                    element = candidate;
                    break;
                }
            }
        }
        if (element) {
            units_.push_back(
                {n, element->modelName == unit.modelName() ? Status::Found : Status::ModelDiffers,
                 take(element)});
        } else {
            units_.push_back({n, Status::Missing, {}});
        }
    }
    // Units not at their address may have moved: the one unit of the same name and model
    // elsewhere that no unit of the system answered for. Names repeat (a new unit is called
    // after its model), so a name that more than one unit answers with tells nothing.
    for (UnitResult& result : units_) {
        if (result.status != Status::Missing)
            continue;
        const Exchange& unit = *system.equipment(result.number);
        const ScanElement* moved = nullptr;
        int sameName = 0;
        for (const auto& [mac, element] : scanned) {
            if (!matched.count(&element) && !unit.exchangeName().empty() &&
                element.unitName == unit.exchangeName()) {
                ++sameName;
                moved = &element;
            }
        }
        if (sameName == 1 && moved->modelName == unit.modelName()) {
            result.status = Status::Elsewhere;
            result.found = take(moved);
        }
    }
    for (const auto& [mac, element] : scanned) {
        if (!matched.count(&element))
            unknown_.push_back(element);
    }
}

bool SiteSurvey::differs() const
{
    if (!unknown_.empty() || !shared_.empty())
        return true;
    for (const UnitResult& result : units_) {
        if (result.status != Status::Found)
            return true;
    }
    return false;
}

const char* SiteSurvey::key(Status status)
{
    switch (status) {
    case Status::Found:
        return "found";
    case Status::ModelDiffers:
        return "model-differs";
    case Status::Elsewhere:
        return "elsewhere";
    case Status::Missing:
        break;
    }
    return "missing";
}
