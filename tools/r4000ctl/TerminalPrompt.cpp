#include "TerminalPrompt.h"

#include <termios.h>
#include <unistd.h>

bool TerminalPrompt::readLine(std::string& line, bool hidden)
{
    const int fd = fileno(in_);
    termios saved{};
    const bool quiet = hidden && isatty(fd) && tcgetattr(fd, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= tcflag_t(~ECHO);
        tcsetattr(fd, TCSAFLUSH, &silent);
    }
    line.clear();
    int c = 0;
    while ((c = std::fgetc(in_)) != EOF && c != '\n')
        line += char(c);
    if (quiet) {
        tcsetattr(fd, TCSAFLUSH, &saved);
        std::fputc('\n', out_);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c != EOF || !line.empty();
}

std::optional<Credentials> TerminalPrompt::ask(const std::string& address, int webPort,
                                               const Credentials& tried)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    std::fprintf(out_,
                 "Enter system name and password.\n(IP Address:%s, Web port:%d)\n"
                 "System name [%s]: ",
                 address.c_str(), webPort, tried.name.c_str());
    std::fflush(out_);
    Credentials typed;
    if (!readLine(typed.name, false))
        return std::nullopt;
    if (typed.name.empty())
        typed.name = tried.name;
    std::fputs("Password: ", out_);
    std::fflush(out_);
    if (!readLine(typed.password, true))
        return std::nullopt;
    return typed;
}
