// A datagram from the network, read as the scan reads answers: whatever arrives must decode
// into a packet of its kind or be dropped, and a report must give a unit entry.
#include "CmdReport.h"
#include "CmdResetAck.h"
#include "CmdWriteAck.h"
#include "ScanElement.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto packet = ScanCommand::decode(data, size, "198.18.1.1");
    if (!packet)
        return 0;
    switch (packet->code()) {
    case CmdReport::kCode: {
        const ScanElement unit = ScanElement::fromReport(static_cast<const CmdReport&>(*packet));
        if (unit.unitName.size() > 32 || unit.modelName.size() > 16 || unit.modelName.empty())
            __builtin_trap();
        break;
    }
    case CmdWriteAck::kCode:
        (void)static_cast<const CmdWriteAck&>(*packet).mac();
        break;
    case CmdResetAck::kCode:
        (void)static_cast<const CmdResetAck&>(*packet).mac();
        break;
    default:
        __builtin_trap();
    }
    return 0;
}
