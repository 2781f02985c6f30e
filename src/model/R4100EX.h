#pragma once

#include "Exchange.h"

// The standard exchange: 16 stations, two paging-amplifier outputs, BGM channels.
class R4100EX : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
    void applyCreationSteps() override;
};
