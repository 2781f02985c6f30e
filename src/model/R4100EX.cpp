#include "R4100EX.h"

const ExchangeTraits& R4100EX::modelTraits()
{
    static const ExchangeTraits kTraits{"R-4100EX", "R-4100EX", true, false, false, true,
                                        true,       true,       true, false, 16,    0,
                                        2,          0,          0,    8};
    return kTraits;
}

void R4100EX::applyCreationSteps()
{
    setAudioOutputModes("PA_PAG");
    replaceIPStationsByEmpty();
    setExchangeName(modelName());
}
