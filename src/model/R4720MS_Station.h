#pragma once

#include "R4700MS_Station.h"

// The station inside the IP master station sold in Japan; every message start mode.
class R4720MS_Station : public R4700MS_Station
{
public:
    using R4700MS_Station::R4700MS_Station;

    const StationTraits& traits() const override;
};
