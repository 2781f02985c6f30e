#pragma once

#include "Locale.h"

#include <iosfwd>
#include <optional>
#include <string>

class FileOps;

// The r4000ctl commands that find units by broadcast and set their network.
class ScanCommands
{
public:
    // locale: the language whose code page unit names are in (the terminal speaks UTF-8).
    ScanCommands(FileOps& files, Locale locale, std::ostream& out, std::ostream& err);

    // Scans every local interface and lists the units; csvPath: also write them there.
    int scan(const std::optional<std::string>& csvPath);
    // Writes new network settings into the unit with the MAC, resets it, waits
    // restartWaitMs and scans again to show what it answers with.
    int netset(const std::string& mac, const std::string& ip, const std::string& mask,
               const std::string& gateway, const std::optional<std::string>& name,
               const std::optional<std::string>& port, long restartWaitMs);

private:
    FileOps& files_;
    Locale locale_;
    std::ostream& out_;
    std::ostream& err_;
};
