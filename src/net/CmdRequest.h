#pragma once

#include "ScanCommand.h"

// "Report yourselves": every unit that hears it answers with a CmdReport.
class CmdRequest : public ScanCommand
{
public:
    static constexpr std::uint8_t kCode = 0x90;
    static constexpr std::size_t kLength = 3;

    explicit CmdRequest(std::string localAddress);
    int replyTimeout() const override { return 3000; }
};
