#pragma once

#include "CmdReport.h"
#include "Scan.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Units reporting themselves to a scan, without a network.
namespace ScanReports {

// Unit n reports: MAC 02-00-00-00-00-<n>, address 198.18.1.<n>/24, web port 80.
inline void deliver(Scan& scan, std::uint8_t n, const std::string& model, const std::string& name,
                    std::uint8_t group = 0)
{
    std::vector<std::uint8_t> b(70, 0);
    b[0] = CmdReport::kCode;
    b[7] = n;
    b[6] = group;
    b[2] = 0x02;
    const std::uint8_t addresses[] = {198, 18, 1, n, 255, 255, 255, 0, 0, 0, 0, 0};
    std::copy(std::begin(addresses), std::end(addresses), b.begin() + 8);
    std::copy(name.begin(), name.end(), b.begin() + 20);
    b[53] = 80;
    std::copy(model.begin(), model.end(), b.begin() + 54);
    const auto packet = ScanCommand::decode(b.data(), b.size(), "198.18.1.1");
    scan.onReport(static_cast<const CmdReport&>(*packet));
}

} // namespace ScanReports
