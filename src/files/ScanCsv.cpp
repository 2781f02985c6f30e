#include "ScanCsv.h"

#include "TextRules.h"

namespace ScanCsv {

namespace {

// A value from a unit as a field of the file: control characters escaped, a text that a
// spreadsheet would run as a formula turned into plain text with a leading "'" (OWASP's rule
// against CSV injection), quoted only where a comma or a quote would break the row.
std::string field(const std::string& value)
{
    std::string text = TextRules::escapeControls(value);
    if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    if (text.find_first_of(",\"") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
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
