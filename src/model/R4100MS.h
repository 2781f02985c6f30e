#pragma once

#include "Station.h"

// The master station attached to an exchange.
class R4100MS : public Station
{
public:
    using Station::Station;

    const StationTraits& traits() const override;
};
