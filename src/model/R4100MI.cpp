#include "R4100MI.h"

const ExchangeTraits& R4100MI::modelTraits()
{
    static const ExchangeTraits kTraits{"R-4100MI", "R-4100MI", false, false, true, true,
                                        true,       false,      true,  false, 0,    2,
                                        2,          16,         16,    0};
    return kTraits;
}

void R4100MI::applyCreationSteps()
{
    setAudioOutputModes("NONE");
    setExchangeName(modelName());
}
