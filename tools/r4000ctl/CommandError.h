#pragma once

#include <stdexcept>
#include <string>

// A command that cannot run: bad usage, bad input, or a folder that cannot be read or
// written. The tool prints the text as one line on stderr and exits with status 2; a
// command throws before it writes anything.
class CommandError : public std::runtime_error
{
public:
    explicit CommandError(const std::string& what) : std::runtime_error(what) {}
};
