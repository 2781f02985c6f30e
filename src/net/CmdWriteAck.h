#pragma once

#include "ScanCommand.h"

// A unit's answer to a write addressed to it: a status byte and the unit's MAC.
class CmdWriteAck : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0xA1;
    static constexpr std::size_t kLength = 8;

    explicit CmdWriteAck(std::string localAddress);
    std::uint8_t status() const { return bytes()[1]; }
    MacAddress mac() const { return getMac(2); }
};
