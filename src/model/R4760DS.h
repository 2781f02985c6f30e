#pragma once

#include "Exchange.h"

// The IP door station: one door station, no call transfer.
class R4760DS : public Exchange
{
public:
    using Exchange::Exchange;

    const ExchangeTraits& traits() const override;
    void applyCreationSteps() override;
    void applyFunctionRules() override;

protected:
    bool acceptsStation(const Station& station) const override;
};
