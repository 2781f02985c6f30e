#pragma once

#include "R4700MS.h"

// The IP master station sold in Japan, with every message start mode.
class R4720MS : public R4700MS
{
public:
    using R4700MS::R4700MS;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
};
