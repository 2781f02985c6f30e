#pragma once

#include <string>
#include <vector>

// "scan.csv": the units a scan found, one line each after the header line, CR LF line ends,
// values as they are. A value holding a comma, a double quote or a line end (a unit may call
// itself anything) is quoted as RFC 4180 says, so the row keeps its columns.
namespace ScanCsv {

struct Row {
    std::string mac; // "00-1A-2B-3C-4D-5E"
    std::string model;
    std::string ipAddress;
    std::string subnetMask;
    std::string gateway;
    unsigned webPort = 0;
    std::string name;
};

std::string write(const std::vector<Row>& rows);

} // namespace ScanCsv
