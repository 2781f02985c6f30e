#pragma once

#include "Locale.h"
#include "Scan.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class FileOps;
class SystemStore;

// The r4000ctl commands that find units by broadcast and set their network.
class ScanCommands
{
public:
    // locale: the language whose code page unit names are in (the terminal speaks UTF-8).
    // interfaces: the names of the interfaces to broadcast from; empty for every one.
    ScanCommands(FileOps& files, Locale locale, std::vector<std::string> interfaces,
                 std::ostream& out, std::ostream& err);

    // Scans the interfaces, all at once, and lists the units; csvPath: also write them there.
    int scan(const std::optional<std::string>& csvPath, bool json);
    // Scans and holds what answered against the system; 1 when anything differs.
    int survey(const SystemStore& store, const std::string& name, bool json);
    // Writes new network settings into the unit with the MAC, resets it, waits
    // restartWaitMs and scans again to show what it answers with.
    int netset(const std::string& mac, const std::string& ip, const std::string& mask,
               const std::string& gateway, const std::optional<std::string>& name,
               const std::optional<std::string>& port, long restartWaitMs);

    // The same for every unit of a scan list (as scan --csv writes it, edited): the rows are
    // all checked first, units already so set are left alone, the others are written and
    // reset, and after one wait checked in a second scan; 1 when any failed.
    int netsetFrom(const std::string& csvPath, long restartWaitMs);

private:
    // The scan settings for the interfaces asked for; throws for a name that is no usable
    // interface.
    Scan::Options scanOptions(const std::string& command) const;

    FileOps& files_;
    Locale locale_;
    std::vector<std::string> interfaces_;
    std::ostream& out_;
    std::ostream& err_;
};
