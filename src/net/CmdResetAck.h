#pragma once

#include "ScanCommand.h"

// A unit's answer to a reset addressed to it: a status byte and the unit's MAC.
class CmdResetAck : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0xB1;
    static constexpr std::size_t kLength = 8;

    explicit CmdResetAck(std::string localAddress);
    std::uint8_t status() const { return bytes()[1]; }
    MacAddress mac() const { return getMac(2); }
};
