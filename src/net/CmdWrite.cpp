#include "CmdWrite.h"

CmdWrite::CmdWrite(std::string localAddress, const MacAddress& mac, Ipv4Address ip,
                   Ipv4Address mask, Ipv4Address gateway, const std::string& unitName,
                   std::uint16_t webPort, const std::string& localTime)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
    putMac(1, mac);
    put32(7, ip.value());
    put32(11, mask.value());
    put32(15, gateway.value());
    putText(19, 32, unitName);
    putText(51, 19, localTime);
    put16(71, webPort);
    seal();
}
