#pragma once

#include <map>
#include <string>

class FileOps;

// Where the systems live: $R4000_DATA_DIR when set, else $XDG_DATA_HOME/ZUN/R-4000, else
// ~/.local/share/ZUN/R-4000.
namespace DataFolder {

std::string resolve();

// Creates the folder, private to the user, when it is missing.
bool ensure(FileOps& files, const std::string& folder);

// The systems in a data folder: every sub-folder holding "<its name>.sys" with a line that
// names the system, by name, with the path of its system file.
std::map<std::string, std::string> knownSystems(FileOps& files, const std::string& folder);

// True when the system's file holds the stored form of plain under name.
bool checkPassword(FileOps& files, const std::string& folder, const std::string& name,
                   const std::string& plain);

} // namespace DataFolder
