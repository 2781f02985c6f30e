#include "FormData.h"

#include "HexDigit.h"

#include <cctype>

namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The value of parameter "name" in a header value like `form-data; name="file"`.
std::string parameter(std::string_view header, std::string_view name)
{
    const std::string lowered = lower(header);
    std::size_t at = 0;
    while ((at = lowered.find(name, at)) != std::string::npos) {
        const bool startsWord =
            at == 0 || lowered[at - 1] == ';' || lowered[at - 1] == ' ' || lowered[at - 1] == '\t';
        std::size_t pos = at + name.size();
        while (pos < header.size() && header[pos] == ' ')
            ++pos;
        if (startsWord && pos < header.size() && header[pos] == '=') {
            ++pos;
            while (pos < header.size() && header[pos] == ' ')
                ++pos;
            if (pos < header.size() && header[pos] == '"') {
                const std::size_t close = header.find('"', pos + 1);
                return std::string(header.substr(pos + 1, close == std::string_view::npos
                                                              ? std::string_view::npos
                                                              : close - pos - 1));
            }
            const std::size_t end = header.find_first_of("; \t", pos);
            return std::string(header.substr(
                pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        }
        at += name.size();
    }
    return {};
}

std::string urlDecode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

bool FormData::parseMultipart(std::string_view contentType, std::string_view body)
{
    fields_.clear();
    if (lower(contentType).rfind("multipart/form-data", 0) != 0)
        return false;
    const std::string boundary = parameter(contentType, "boundary");
    if (boundary.empty())
        return false;
    const std::string delimiter = "--" + boundary;

    std::size_t at = body.find(delimiter);
    if (at == std::string_view::npos)
        return false;
    for (;;) {
        at += delimiter.size();
        if (body.substr(at, 2) == "--")
            return true; // closing delimiter
        if (body.substr(at, 2) != "\r\n")
            return false;
        at += 2;
        // A part without headers starts with its empty line.
        const std::size_t headersEnd =
            body.substr(at, 2) == "\r\n" ? at - 2 : body.find("\r\n\r\n", at);
        if (headersEnd == std::string_view::npos)
            return false;
        std::string name;
        bool named = false;
        std::string_view headers =
            headersEnd < at ? std::string_view() : body.substr(at, headersEnd - at);
        while (!headers.empty()) {
            const std::size_t eol = headers.find("\r\n");
            const std::string_view line = headers.substr(0, eol);
            const std::size_t colon = line.find(':');
            if (colon != std::string_view::npos &&
                lower(line.substr(0, colon)) == "content-disposition") {
                name = parameter(line.substr(colon + 1), "name");
                named = true;
            }
            headers = eol == std::string_view::npos ? std::string_view() : headers.substr(eol + 2);
        }
        const std::size_t dataStart = headersEnd + 4;
        // A delimiter line holds the boundary only (or closes the body with "--").
        std::size_t next = dataStart;
        for (;;) {
            next = body.find("\r\n" + delimiter, next);
            if (next == std::string_view::npos)
                return false;
            const std::string_view after = body.substr(next + 2 + delimiter.size(), 2);
            if (after == "\r\n" || after == "--")
                break;
            ++next;
        }
        if (named)
            fields_[name] = std::string(body.substr(dataStart, next - dataStart));
        at = next + 2;
    }
}

void FormData::parseUrlEncoded(std::string_view body)
{
    fields_.clear();
    while (!body.empty()) {
        const std::size_t amp = body.find('&');
        const std::string_view pair = body.substr(0, amp);
        const std::size_t eq = pair.find('=');
        if (!pair.empty())
            fields_[urlDecode(pair.substr(0, eq))] =
                eq == std::string_view::npos ? std::string() : urlDecode(pair.substr(eq + 1));
        body = amp == std::string_view::npos ? std::string_view() : body.substr(amp + 1);
    }
}

std::string FormData::field(const std::string& name) const
{
    const auto it = fields_.find(name);
    return it == fields_.end() ? std::string() : it->second;
}
