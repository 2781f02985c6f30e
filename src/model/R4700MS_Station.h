#pragma once

#include "R4100MS.h"

// The station inside an IP master station; message paging starts by dialling only.
class R4700MS_Station : public R4100MS
{
public:
    using R4100MS::R4100MS;

    const StationTraits& traits() const override;
};
