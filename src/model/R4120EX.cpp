#include "R4120EX.h"

const ExchangeTraits& R4120EX::modelTraits()
{
    static const ExchangeTraits kTraits{"R-4120EX", "R-4120EX", true,  false, false, true,
                                        false,      false,      false, false, 16,    0,
                                        0,          0,          0,     8};
    return kTraits;
}

void R4120EX::applyCreationSteps()
{
    replaceIPStationsByEmpty();
    setExchangeName(modelName());
}

bool R4120EX::setPagingPriorityMode(int mode)
{
    return mode == Conversation;
}
