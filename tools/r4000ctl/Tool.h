#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// r4000ctl itself: reads the global options and the command, runs the command, and turns a
// failure into one line on stderr and its exit status.
class Tool
{
public:
    enum ExitStatus { Success = 0, UnitsFailed = 1, BadUsage = 2 };

    Tool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // args: the words after the program name.
    int run(const std::vector<std::string>& args);
    // Whether the command draws (prints a report), and so needs fonts.
    static bool draws(const std::vector<std::string>& args);

private:
    int runCommand(const std::vector<std::string>& args);
    std::string help() const;
    // The msg actions, for "msg --help".
    std::string messageHelp() const;

    std::ostream& out_;
    std::ostream& err_;
};
