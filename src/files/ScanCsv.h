#pragma once

#include <string>
#include <string_view>
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

// Reads such a file back, as a spreadsheet may have saved it after editing: LF, CR LF or CR
// line ends, a UTF-8 byte order mark, fields quoted or not, the "'" before a formula character
// and the escapes of control characters undone. Blank lines are skipped. False, with "line
// N: why" in error, for a file without the header line or without a unit, a row without its
// seven fields, or a web port that is no number; the values themselves are the caller's to
// check.
bool read(std::string_view text, std::vector<Row>& rows, std::string& error);

} // namespace ScanCsv
