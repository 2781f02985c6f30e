#pragma once

#include "R4100MS.h"

// A master station attached to an exchange.
class R4121MS : public R4100MS
{
public:
    using R4100MS::R4100MS;

    const StationTraits& traits() const override;
};
