#include "ExManager.h"

#include "Exchange.h"
#include "ModelAvailability.h"

#include <algorithm>

void ExManager::registerModel(const ExchangeTraits& traits, Factory factory)
{
    std::string name(traits.modelName);
    if (std::find(order_.begin(), order_.end(), name) == order_.end())
        order_.push_back(name);
    registrations_[name] = Registration{&traits, std::move(factory)};
}

std::unique_ptr<Exchange> ExManager::create(std::string_view model, ExchangeImpl& record,
                                            System& system) const
{
    if (!knows(model))
        return nullptr;
    std::unique_ptr<Exchange> exchange = registrations_.find(model)->second.factory(record, system);
    exchange->applyCreationSteps();
    return exchange;
}

bool ExManager::knows(std::string_view model) const
{
    return ModelAvailability::isAvailable(model, locale_) && registrations_.count(model) > 0;
}

const ExchangeTraits* ExManager::traits(std::string_view model) const
{
    return knows(model) ? registrations_.find(model)->second.traits : nullptr;
}
