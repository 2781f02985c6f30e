#pragma once

#include <cstdio>
#include <optional>
#include <string>

class FileOps;

// A password a command takes. As an argument (--password P) it is seen by every user of the
// machine in the process list while the command runs, so it can also come from a file
// (--password-file FILE, "-" for standard input: its first line) or, with neither given and
// a terminal there, be typed twice without echo. Nothing here ever prints it.
class SecretInput
{
public:
    // in, out: the terminal's input and where its prompts go.
    SecretInput(FileOps& files, std::FILE* in, std::FILE* out);

    // The password of action: from argument or file (never both), else typed when prompt is
    // set and in is a terminal; nothing when none of them gave one. A file that cannot be
    // read, or two typed entries that differ, is bad usage.
    std::optional<std::string> read(const std::string& action,
                                    const std::optional<std::string>& argument,
                                    const std::optional<std::string>& file, bool prompt);

private:
    std::string fromFile(const std::string& action, const std::string& file);
    std::string typed(const std::string& action);

    FileOps& files_;
    std::FILE* in_;
    std::FILE* out_;
};
