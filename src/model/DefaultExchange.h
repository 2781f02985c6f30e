#pragma once

#include "Exchange.h"

// The placeholder of an empty slot.
class DefaultExchange : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
};
