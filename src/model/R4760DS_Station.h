#pragma once

#include "R4160DS.h"

// The station inside an IP door station.
class R4760DS_Station : public R4160DS
{
public:
    using R4160DS::R4160DS;

    const StationTraits& traits() const override;
};
