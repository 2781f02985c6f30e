#pragma once

#include <string>
#include <string_view>

// "R4000.ini" in the data folder: the system that was open when the program last ended.
namespace InitialFile {

inline constexpr std::string_view kName = "R4000.ini";

// The first line holding "start=" anywhere gives the name: the line after its first six
// characters. Empty when no line does.
std::string lastSystem(std::string_view text);
std::string write(std::string_view systemName);

} // namespace InitialFile
