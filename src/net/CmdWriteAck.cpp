#include "CmdWriteAck.h"

CmdWriteAck::CmdWriteAck(std::string localAddress)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
}
