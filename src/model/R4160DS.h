#pragma once

#include "Station.h"

// The door station attached to an exchange.
class R4160DS : public Station
{
public:
    using Station::Station;

    const StationTraits& traits() const override;
};
