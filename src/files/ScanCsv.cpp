#include "ScanCsv.h"

#include "TextLines.h"
#include "TextRules.h"

#include <cstdlib>

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

// "\xHH" back into the control character the writer escaped; anything else as it is.
std::string unescapeControls(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned long byte = 256;
        if (text.compare(i, 2, "\\x") == 0 && i + 4 <= text.size()) {
            char* end = nullptr;
            const std::string hex = text.substr(i + 2, 2);
            byte = std::strtoul(hex.c_str(), &end, 16);
            if (end != hex.c_str() + 2 || !TextRules::isControl(static_cast<unsigned char>(byte)))
                byte = 256;
        }
        if (byte < 256) {
            out += char(byte);
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The fields of one line; false when a quoted field does not end.
bool splitFields(std::string_view line, std::vector<std::string>& fields)
{
    fields.assign(1, {});
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        if (field.size() > 1 && field[0] == '\'' &&
            std::string_view("=+-@").find(field[1]) != std::string_view::npos)
            field.erase(0, 1);
        field = unescapeControls(field);
    }
    return !quoted;
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

bool read(std::string_view text, std::vector<Row>& rows, std::string& error)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom)
        text.remove_prefix(bom.size());
    // Some spreadsheets end lines with a CR alone.
    std::string lines(text);
    for (std::size_t at = 0; (at = lines.find('\r', at)) != std::string::npos; ++at) {
        if (at + 1 == lines.size() || lines[at + 1] != '\n')
            lines[at] = '\n';
    }
    text = lines;
    rows.clear();
    error.clear();
    int number = 0;
    bool header = false;
    TextLines::forEach(text, [&](std::string_view line) {
        ++number;
        if (!error.empty() || line.find_first_not_of(" \t,") == std::string_view::npos)
            return;
        std::vector<std::string> fields;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!splitFields(line, fields)) {
            error = where + "a quoted value does not end";
            return;
        }
        if (!header) {
            header = true;
            if (fields.empty() || fields[0] != "MAC Address")
                error = where + "no scan list: the first line must be its header (MAC Address,...)";
            return;
        }
        if (fields.size() != 7) {
            error = where +
                    "7 values expected (MAC address, type, IP address, subnet mask, "
                    "default gateway, web port, name), not " +
                    std::to_string(fields.size());
            return;
        }
        unsigned long port = 0;
        if (!TextRules::parseNumber(fields[5], 65535, port)) {
            error = where + "the web port '" + fields[5] + "' is no number up to 65535";
            return;
        }
        rows.push_back(
            {fields[0], fields[1], fields[2], fields[3], fields[4], unsigned(port), fields[6]});
    });
    if (error.empty() && !header)
        error = "the file is empty";
    else if (error.empty() && rows.empty())
        error = "the list holds no unit";
    return error.empty();
}

} // namespace ScanCsv
