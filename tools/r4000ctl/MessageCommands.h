#pragma once

#include <iosfwd>
#include <optional>
#include <string>

class FileOps;

// r4000ctl msg: voice message files (".pmf") made from WAVE files, turned back into WAVE
// files, and described. A bad file is named with its reason and nothing is written.
class MessageCommands
{
public:
    MessageCommands(FileOps& files, std::ostream& out);

    int importWave(const std::string& wave, const std::string& to,
                   const std::optional<std::string>& name, const std::optional<std::string>& gain);
    int exportWave(const std::string& message, const std::string& to, bool narrowband);
    int info(const std::string& message);
    // Records seconds (1..20) from the default sound input into a message file.
    int record(const std::string& seconds, const std::string& to, const std::string& name);
    // Plays a message file on the default sound output until its end.
    int play(const std::string& message, bool narrowband, const std::optional<std::string>& gain);

private:
    FileOps& files_;
    std::ostream& out_;
};
