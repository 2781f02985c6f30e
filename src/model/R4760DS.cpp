#include "R4760DS.h"

#include "Station.h"

const ExchangeTraits& R4760DS::modelTraits()
{
    static const ExchangeTraits kTraits{"R-4760DS", "R-4760DS", false, true,  false, false,
                                        true,       true,       true,  false, 1,     0,
                                        0,          0,          0,     8};
    return kTraits;
}

void R4760DS::applyCreationSteps()
{
    installOwnStation(modelName());
    setExchangeName(modelName());
}

void R4760DS::applyFunctionRules()
{
    clearTransferFunctions();
}

bool R4760DS::acceptsStation(const Station& station) const
{
    return station.modelName() == modelName();
}
