#include "ScanElement.h"

#include "CmdReport.h"

#include <cstdio>

ScanElement ScanElement::fromReport(const CmdReport& report)
{
    ScanElement element;
    element.macAddress = report.mac();
    element.ipAddress = report.ipAddress();
    element.subnetMask = report.subnetMask();
    element.gateway = report.gateway();
    element.webPort = report.webPort();
    element.unitName = report.unitName();
    element.modelName = report.modelName();
    element.localAddress = report.localAddress();
    return element;
}

std::string ScanElement::macText(const MacAddress& mac)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

bool ScanElement::macFromText(const std::string& text, MacAddress& mac)
{
    if (text.size() != 17)
        return false;
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const std::string pair = text.substr(i * 3, 2);
        if ((i < 5 && text[i * 3 + 2] != '-' && text[i * 3 + 2] != ':') ||
            pair.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return false;
        mac[i] = std::uint8_t(std::stoul(pair, nullptr, 16));
    }
    return true;
}
