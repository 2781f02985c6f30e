#include "SecretInput.h"

#include "CommandError.h"
#include "FileOps.h"
#include "SystemCredentials.h"
#include "TerminalInput.h"

#include <chrono>
#include <unistd.h>

namespace {

// A password is a line; a larger file is none.
constexpr std::size_t kLargestFile = 4096;
// How long the user has to type each entry.
constexpr auto kTypingTime = std::chrono::minutes(10);

std::string firstLine(const std::string& text)
{
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

SecretInput::SecretInput(FileOps& files, std::FILE* in, std::FILE* out)
    : files_(files), in_(in), out_(out)
{
}

std::optional<std::string> SecretInput::read(const std::string& action,
                                             const std::optional<std::string>& argument,
                                             const std::optional<std::string>& file, bool prompt)
{
    if (argument && file)
        throw CommandError(action + ": give --password or --password-file, not both");
    if (argument)
        return argument;
    if (file)
        return fromFile(action, *file);
    if (prompt && isatty(fileno(in_)))
        return typed(action);
    return std::nullopt;
}

std::string SecretInput::fromFile(const std::string& action, const std::string& file)
{
    std::string text;
    if (file == "-") {
        char buffer[kLargestFile];
        std::size_t size = 0;
        while (size < sizeof buffer) {
            const ssize_t got = ::read(fileno(in_), buffer + size, sizeof buffer - size);
            if (got <= 0)
                break;
            size += std::size_t(got);
        }
        text.assign(buffer, size);
    } else if (!files_.readFile(file, text, kLargestFile)) {
        throw CommandError(action + ": cannot read the password from " + file);
    }
    return firstLine(text);
}

std::string SecretInput::typed(const std::string& action)
{
    std::string first;
    std::string second;
    const auto ask = [this](const char* prompt, std::string& line) {
        std::fputs(prompt, out_);
        std::fflush(out_);
        return TerminalInput::readLine(in_, out_, line, true,
                                       std::chrono::steady_clock::now() + kTypingTime);
    };
    if (!ask("Password: ", first) || !ask("Password (reentry): ", second))
        throw CommandError(action + ": no password was typed");
    if (first != second)
        throw CommandError(
            action + ": " +
            SystemCredentials::englishText(SystemCredentials::Result::PasswordMismatch));
    return first;
}
