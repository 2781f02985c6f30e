#pragma once

#include "Station.h"

// The station of a slot that holds no station.
class DefaultStation : public Station
{
public:
    using Station::Station;

    const StationTraits& traits() const override;
};
