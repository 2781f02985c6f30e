#pragma once

#include <string>
#include <vector>

// "scan.csv": the units a scan found, one line each after the header line, CR LF line ends,
// values as they are. A unit may call itself anything: control characters are written
// escaped ("\x0A"), a value a spreadsheet would take for a formula gets a leading "'", and one
// holding a comma or a double quote is quoted as RFC 4180 says, so the row keeps its columns.
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
