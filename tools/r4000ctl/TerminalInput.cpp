#include "TerminalInput.h"

#include <cerrno>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace TerminalInput {

bool readLine(std::FILE* in, std::FILE* out, std::string& line, bool hidden,
              std::chrono::steady_clock::time_point deadline)
{
    const int fd = fileno(in);
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
        std::fputc('\n', out);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return !ended || !line.empty();
}

} // namespace TerminalInput
