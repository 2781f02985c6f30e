#include "ScanCsv.h"

namespace ScanCsv {

std::string write(const std::vector<Row>& rows)
{
    std::string text = "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n";
    for (const Row& row : rows) {
        text += row.mac + ',' + row.model + ',' + row.ipAddress + ',' + row.subnetMask + ',' +
                row.gateway + ',' + std::to_string(row.webPort) + ',' + row.name + "\r\n";
    }
    return text;
}

} // namespace ScanCsv
