#pragma once

#include <chrono>
#include <cstdio>
#include <string>

// Reading what the user types on the terminal.
namespace TerminalInput {

// One line from in (without its line end), with echo off when hidden; out gets the line
// break the user's Enter did not show. Byte by byte, so that nothing is read ahead and the
// wait ends at deadline. False at the end of input or the deadline with nothing typed.
bool readLine(std::FILE* in, std::FILE* out, std::string& line, bool hidden,
              std::chrono::steady_clock::time_point deadline);

} // namespace TerminalInput
