#pragma once

#include <string>
#include <string_view>
#include <vector>

// Plain views of a written settings file for tests, independent of the reader under test.
namespace FileText {

inline std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        out.emplace_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

// The lines of a section, heading excluded, up to the empty line before the next one.
inline std::vector<std::string> section(std::string_view text, std::string_view heading)
{
    const std::vector<std::string> all = lines(text);
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : all) {
        if (inside && line.empty())
            break;
        if (inside)
            out.push_back(line);
        if (line == heading)
            inside = true;
    }
    return out;
}

// The records of a section, split at "--".
inline std::vector<std::vector<std::string>> records(std::string_view text,
                                                     std::string_view heading)
{
    std::vector<std::vector<std::string>> out;
    const std::vector<std::string> body = section(text, heading);
    if (body.empty())
        return out;
    out.emplace_back();
    for (const std::string& line : body) {
        if (line == "--")
            out.emplace_back();
        else
            out.back().push_back(line);
    }
    return out;
}

} // namespace FileText
