#pragma once

#include "ScanCommand.h"

// Makes the unit with the MAC restart, taking what was written to it.
class CmdReset : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0xB0;
    static constexpr std::size_t kLength = 9;

    CmdReset(std::string localAddress, const MacAddress& mac);
    int replyTimeout() const override { return 3000; }
};
