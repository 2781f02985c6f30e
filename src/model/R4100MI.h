#pragma once

#include "Exchange.h"

// The multi-interface unit: audio lines and contacts towards outside equipment.
class R4100MI : public Exchange
{
public:
    using Exchange::Exchange;

    const ExchangeTraits& traits() const override;
    void applyCreationSteps() override;
};
