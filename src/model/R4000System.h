#pragma once

#include "System.h"

// The R-4000 family: 80 units, 160 paging zones, 32 blocking groups.
class R4000System : public System
{
public:
    explicit R4000System(Locale locale = Locale::english());

    int maxEquipment() const override { return 80; }
    int minStationDigits() const override { return 2; }
    int maxStationDigits() const override { return 6; }
    int defaultStationDigits() const override { return 2; }
    int maxPagingNo() const override { return 160; }
    int defaultPagingDigits() const override { return 1; }
    int minPagingDigits() const override { return 1; }
    int maxPagingDigits() const override { return 3; }
    int minControlDigits() const override { return 2; }
    int maxControlDigits() const override { return 4; }
    int defaultControlDigits() const override { return 2; }
    int maxBlockGroupNo() const override { return 31; }
    std::string_view defaultExchangeModel() const override { return "R-4100EX"; }
    std::string_view defaultIPStationModel() const override { return "R-4700MS"; }
    std::string_view defaultMultiInterfaceModel() const override { return "R-4100MI"; }
};
