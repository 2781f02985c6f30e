#include "ExManager.h"

#include "Exchange.h"
#include "ModelAvailability.h"

#include <algorithm>

void ExManager::registerModel(std::string_view model, Factory factory)
{
    std::string name(model);
    if (std::find(order_.begin(), order_.end(), name) == order_.end())
        order_.push_back(name);
    factories_[name] = std::move(factory);
}

std::unique_ptr<Exchange> ExManager::create(std::string_view model, ExchangeImpl& record,
                                            System& system) const
{
    if (!knows(model))
        return nullptr;
    std::unique_ptr<Exchange> exchange = factories_.find(model)->second(record, system);
    exchange->applyCreationSteps();
    return exchange;
}

bool ExManager::knows(std::string_view model) const
{
    return ModelAvailability::isAvailable(model, locale_) && factories_.count(model) > 0;
}
