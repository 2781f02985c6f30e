#include "CmdResetAck.h"

CmdResetAck::CmdResetAck(std::string localAddress)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
}
