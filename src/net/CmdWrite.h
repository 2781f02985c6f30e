#pragma once

#include "Ipv4Address.h"
#include "ScanCommand.h"

// New network settings and name for the unit with the MAC; it takes them when it restarts.
class CmdWrite : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0xA0;
    static constexpr std::size_t kLength = 75;

    // localTime: the PC's local date and time, "YYYY/MM/DD hh:mm:ss".
    CmdWrite(std::string localAddress, const MacAddress& mac, Ipv4Address ip, Ipv4Address mask,
             Ipv4Address gateway, const std::string& unitName, std::uint16_t webPort,
             const std::string& localTime);
    int replyTimeout() const override { return 3000; }
};
