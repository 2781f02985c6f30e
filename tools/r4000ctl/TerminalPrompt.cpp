#include "TerminalPrompt.h"

#include "TerminalInput.h"

#include <unistd.h>

std::optional<Credentials> TerminalPrompt::ask(const std::string& address, int webPort,
                                               const Credentials& tried)
{
    if (!isatty(fileno(in_)))
        return std::nullopt;
    const std::lock_guard<std::mutex> lock(terminal_);
    const auto deadline = std::chrono::steady_clock::now() + wait_;
    // A progress counter may stand on the line: the question starts on a clean one.
    if (isatty(fileno(out_)))
        std::fputs("\r\033[K", out_);
    std::fprintf(out_,
                 "Enter system name and password.\n(IP Address:%s, Web port:%d)\n"
                 "System name [%s]: ",
                 address.c_str(), webPort, tried.name.c_str());
    std::fflush(out_);
    Credentials typed;
    if (!TerminalInput::readLine(in_, out_, typed.name, false, deadline))
        return std::nullopt;
    if (typed.name.empty())
        typed.name = tried.name;
    std::fputs("Password: ", out_);
    std::fflush(out_);
    if (!TerminalInput::readLine(in_, out_, typed.password, true, deadline))
        return std::nullopt;
    return typed;
}
