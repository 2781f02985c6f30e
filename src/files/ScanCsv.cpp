#include "ScanCsv.h"

namespace ScanCsv {

namespace {

std::string field(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string write(const std::vector<Row>& rows)
{
    std::string text = "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n";
    for (const Row& row : rows) {
        text += field(row.mac) + ',' + field(row.model) + ',' + field(row.ipAddress) + ',' +
                field(row.subnetMask) + ',' + field(row.gateway) + ',' +
                std::to_string(row.webPort) + ',' + field(row.name) + "\r\n";
    }
    return text;
}

} // namespace ScanCsv
