#pragma once

#include <string>
#include <string_view>

// Whole-file reads and writes of the state folder. A write goes to a temporary file that is
// then renamed over the target, so a reader sees the old or the new file, never half of one.
namespace FileIo {

bool readFile(const std::string& path, std::string& bytes);
bool writeFile(const std::string& path, std::string_view bytes);
// Appends bytes with a single write to a file opened for appending.
bool appendFile(const std::string& path, std::string_view bytes);
bool makeDirs(const std::string& path);

} // namespace FileIo
