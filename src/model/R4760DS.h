#pragma once

#include "Exchange.h"

// The IP door station: one door station, no call transfer.
class R4760DS : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
    void applyCreationSteps() override;
    void applyFunctionRules() override;

protected:
    bool acceptsStation(const Station& station) const override;
};
