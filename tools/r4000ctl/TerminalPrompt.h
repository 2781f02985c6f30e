#pragma once

#include "CredentialsPrompt.h"

#include <cstdio>
#include <mutex>

// The login prompt on the terminal: name and password of a unit that refused the ones
// tried, read from standard input (the password without echo on a terminal). Workers ask
// one at a time. An empty name keeps the one shown; end of input cancels.
class TerminalPrompt : public CredentialsPrompt
{
public:
    TerminalPrompt(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}

    std::optional<Credentials> ask(const std::string& address, int webPort,
                                   const Credentials& tried) override;

private:
    bool readLine(std::string& line, bool hidden);

    std::FILE* in_;
    std::FILE* out_;
    std::mutex mutex_;
};
