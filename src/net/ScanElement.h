#pragma once

#include "Ipv4Address.h"
#include "ScanCommand.h"

#include <cstdint>
#include <string>

class CmdReport;

// One unit found by a scan, as it reported itself.
struct ScanElement {
    MacAddress macAddress{};
    Ipv4Address ipAddress;
    Ipv4Address subnetMask;
    Ipv4Address gateway;
    std::uint16_t webPort = 0;
    std::string unitName;
    std::string modelName;
    // The interface the report came in on (dotted text); empty when not known.
    std::string localAddress;

    static ScanElement fromReport(const CmdReport& report);
    // "00-1A-2B-3C-4D-5E": upper-case hexadecimal with dashes, the key of the unit table.
    static std::string macText(const MacAddress& mac);
    // Reads that form back; false for anything else.
    static bool macFromText(const std::string& text, MacAddress& mac);
};
