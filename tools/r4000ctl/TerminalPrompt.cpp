#include "TerminalPrompt.h"

#include <cerrno>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

bool TerminalPrompt::readLine(std::string& line, bool hidden,
                              std::chrono::steady_clock::time_point deadline)
{
    const int fd = fileno(in_);
    termios saved{};
    const bool quiet = hidden && tcgetattr(fd, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= tcflag_t(~ECHO);
        // TCSANOW: what was typed ahead stays to be read.
        tcsetattr(fd, TCSANOW, &silent);
    }
    line.clear();
    bool ended = false;
    // Byte by byte from the descriptor, so that waiting is bounded and nothing is read
    // ahead into a buffer the next line would miss.
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        const int polled = left.count() > 0 ? ::poll(&ready, 1, int(left.count())) : 0;
        if (polled < 0 && errno == EINTR)
            continue;
        char c = 0;
        if (polled <= 0 || ::read(fd, &c, 1) != 1) {
            ended = true;
            break;
        }
        if (c == '\n')
            break;
        line += c;
    }
    if (quiet) {
        tcsetattr(fd, TCSANOW, &saved);
        std::fputc('\n', out_);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return !ended || !line.empty();
}

std::optional<Credentials> TerminalPrompt::ask(const std::string& address, int webPort,
                                               const Credentials& tried)
{
    if (!isatty(fileno(in_)))
        return std::nullopt;
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + wait_;
    std::fprintf(out_,
                 "Enter system name and password.\n(IP Address:%s, Web port:%d)\n"
                 "System name [%s]: ",
                 address.c_str(), webPort, tried.name.c_str());
    std::fflush(out_);
    Credentials typed;
    if (!readLine(typed.name, false, deadline))
        return std::nullopt;
    if (typed.name.empty())
        typed.name = tried.name;
    std::fputs("Password: ", out_);
    std::fflush(out_);
    if (!readLine(typed.password, true, deadline))
        return std::nullopt;
    return typed;
}
