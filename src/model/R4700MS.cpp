#include "R4700MS.h"

#include "Station.h"

const ExchangeTraits& R4700MS::modelTraits()
{
    static const ExchangeTraits kTraits{"R-4700MS", "R-4700MS", false, true, false, false,
                                        true,       true,       true,  true, 1,     0,
                                        0,          0,          0,     8};
    return kTraits;
}

void R4700MS::applyCreationSteps()
{
    installOwnStation(modelName());
    setExchangeName(modelName());
}

bool R4700MS::acceptsStation(const Station& station) const
{
    return station.modelName() == modelName();
}
