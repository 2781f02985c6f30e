#include "CmdReset.h"

CmdReset::CmdReset(std::string localAddress, const MacAddress& mac)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
    putMac(1, mac);
    seal();
}
