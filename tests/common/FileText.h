#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The bytes of a file, empty when it cannot be read.
inline std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Creates or replaces a file with bytes.
inline void writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
