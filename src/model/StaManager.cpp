#include "StaManager.h"

#include "ModelAvailability.h"
#include "Station.h"

void StaManager::registerModel(std::string_view model, Factory factory)
{
    std::string name(model);
    if (factories_.count(name) == 0)
        list_ += (list_.empty() ? "" : "|") + name;
    factories_[name] = std::move(factory);
}

std::unique_ptr<Station> StaManager::create(std::string_view model, StationImpl& settings,
                                            System& system) const
{
    if (!knows(model))
        return nullptr;
    return factories_.find(model)->second(settings, system);
}

bool StaManager::knows(std::string_view model) const
{
    return ModelAvailability::isAvailable(model, locale_) && factories_.count(model) > 0;
}
