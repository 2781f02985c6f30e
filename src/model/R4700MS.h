#pragma once

#include "Exchange.h"

// The IP master station: an equipment that holds one station of its own model.
class R4700MS : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
    void applyCreationSteps() override;

protected:
    bool acceptsStation(const Station& station) const override;
};
