#pragma once

#include <iosfwd>
#include <string>

class SystemStore;

// What r4000ctl does, one member per command, on the systems of one data folder. Each
// returns the exit status, or throws CommandError before it writes anything.
class Commands
{
public:
    Commands(const SystemStore& store, std::ostream& out, std::ostream& err);

    // The known systems, one name a line, sorted.
    // json: one JSON document instead of lines.
    int systems(bool json);
    // The system-wide digit counts and one line per unit in use.
    int check(const std::string& name, bool json);
    // The system file and the settings files, as a save writes them, into outDir.
    int exportTo(const std::string& name, const std::string& outDir);
    // The settings file of unit (1..count) as an upload sends it.
    int settings(const std::string& name, const std::string& unit);
    // A new, empty system under the save dialog's rules for name and password.
    int create(const std::string& name, const std::string& password);
    // A unit of model added after the last one, at address, named unitName when given.
    int add(const std::string& name, const std::string& model, const std::string& address,
            const std::string& unitName);

private:
    const SystemStore& store_;
    std::ostream& out_;
    std::ostream& err_;
};
