#include "CmdRequest.h"

CmdRequest::CmdRequest(std::string localAddress)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
    seal();
}
