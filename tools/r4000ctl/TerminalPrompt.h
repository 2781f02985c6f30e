#pragma once

#include "CredentialsPrompt.h"

#include <chrono>
#include <cstdio>
#include <mutex>

// The login prompt on the terminal: name and password of a unit that refused the ones
// tried, read from standard input (the password without echo). Workers ask one at a time.
// An empty name keeps the one shown; end of input cancels. Asked only when standard input is
// a terminal: from a pipe or a file nobody may be there to answer, and the unit then fails as
// with --no-prompt. An answer not given within waitMs cancels, so a prompt never outlasts
// the call's watchdog. terminal is held for the whole prompt, so nothing else the tool
// prints (the progress counter, unit lines) comes between the question and the answer.
class TerminalPrompt : public CredentialsPrompt
{
public:
    TerminalPrompt(std::FILE* in, std::FILE* out, int waitMs, std::mutex& terminal)
        : in_(in), out_(out), wait_(waitMs), terminal_(terminal)
    {
    }

    std::optional<Credentials> ask(const std::string& address, int webPort,
                                   const Credentials& tried) override;

private:
    std::FILE* in_;
    std::FILE* out_;
    std::chrono::milliseconds wait_;
    std::mutex& terminal_;
};
