#pragma once

#include "Ipv4Address.h"
#include "ScanCommand.h"

// A unit's answer to a request: how it is set up now.
class CmdReport : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0x91;
    static constexpr std::size_t kLength = 70;
    // What a report without a model name stands for.
    static constexpr const char* kUnnamedModel = "QG-210";

    explicit CmdReport(std::string localAddress);

    MacAddress mac() const { return getMac(2); }
    Ipv4Address ipAddress() const { return Ipv4Address(get32(8)); }
    Ipv4Address subnetMask() const { return Ipv4Address(get32(12)); }
    Ipv4Address gateway() const { return Ipv4Address(get32(16)); }
    std::string unitName() const { return getText(20, 32); }
    std::uint16_t webPort() const { return get16(52); }
    std::string modelName() const;
};
