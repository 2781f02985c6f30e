#pragma once

#include "ScanCommand.h"

#include <cstdint>

// Told by a Scan when every request series of a scan has ended, and when a unit
// acknowledged a write or a reset (status: the unit's status byte, not interpreted).
class ScanListener
{
public:
    virtual ~ScanListener() = default;
    virtual void onScanFinished() = 0;
    virtual void onWriteAck(std::uint8_t status, const MacAddress& mac) = 0;
    virtual void onResetAck(std::uint8_t status, const MacAddress& mac) = 0;
};
