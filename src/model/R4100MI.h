#pragma once

#include "Exchange.h"

// The multi-interface unit: audio lines and contacts towards outside equipment.
class R4100MI : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
    void applyCreationSteps() override;
};
