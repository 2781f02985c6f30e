#include "InitialFile.h"

#include "TextLines.h"
#include "TextRules.h"

namespace InitialFile {

std::string lastSystem(std::string_view text)
{
    std::string name;
    bool found = false;
    // The first line whose key is "start" (case ignored, leading blanks skipped): not any
    // line that merely holds "start=" somewhere, such as "restart=X".
    TextLines::forEach(text, [&](std::string_view line) {
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t equals = line.find('=');
        if (found || first == std::string_view::npos || equals == std::string_view::npos)
            return;
        if (TextRules::equalsIgnoreCase(line.substr(first, equals - first), "start")) {
            name = line.substr(equals + 1);
            found = true;
        }
    });
    return name;
}

std::string write(std::string_view systemName)
{
    return "[startup]\r\nstart=" + std::string(systemName) + "\r\n";
}

} // namespace InitialFile
