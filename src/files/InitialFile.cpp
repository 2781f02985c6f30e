#include "InitialFile.h"

#include "TextLines.h"

namespace InitialFile {

std::string lastSystem(std::string_view text)
{
    std::string name;
    bool found = false;
    TextLines::forEach(text, [&](std::string_view line) {
        if (!found && line.find("start=") != std::string_view::npos) {
            name = line.substr(6);
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
