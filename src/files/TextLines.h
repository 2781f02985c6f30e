#pragma once

#include <string_view>

namespace TextLines {

// Calls each(line) for every line of text. A line ends at LF; a CR before it is dropped, so
// files with either line end read alike.
template <class Each> void forEach(std::string_view text, Each each)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        each(line);
    }
}

} // namespace TextLines
