#pragma once

#include <optional>
#include <string>

// The system name and plain password a unit is asked to accept.
struct Credentials {
    std::string name;
    std::string password;
};

// Asks the user for the credentials a unit accepts, after it refused the ones tried. Any
// thread may call it; the answer is empty when the user cancels.
class CredentialsPrompt
{
public:
    virtual ~CredentialsPrompt() = default;
    virtual std::optional<Credentials> ask(const std::string& address, int webPort,
                                           const Credentials& tried) = 0;
};
