#include "CmdReport.h"

CmdReport::CmdReport(std::string localAddress)
    : ScanCommand(kCode, kLength, std::move(localAddress))
{
}

std::string CmdReport::modelName() const
{
    const std::string model = getText(54, 16);
    return model.empty() ? kUnnamedModel : model;
}
