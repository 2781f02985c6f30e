#include "DataFolder.h"

#include "FileOps.h"
#include "PasswordCodec.h"
#include "SystemFile.h"
#include "SystemFolder.h"

#include <cstdlib>
#include <vector>

namespace DataFolder {

std::string resolve()
{
    if (const char* dir = std::getenv("R4000_DATA_DIR"); dir && *dir)
        return dir;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/ZUN/R-4000";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/ZUN/R-4000";
}

bool ensure(FileOps& files, const std::string& folder)
{
    return files.makeDirectory(folder);
}

std::map<std::string, std::string> knownSystems(FileOps& files, const std::string& folder)
{
    std::map<std::string, std::string> systems;
    std::vector<std::string> names;
    if (!files.list(folder, names))
        return systems;
    for (const std::string& name : names) {
        const std::string dir = SystemFolder::folderFor(folder, name);
        // A link is no folder of this data folder's own.
        if (!files.isDirectory(dir) || files.isLink(dir))
            continue;
        SystemFolder system(files, dir, name);
        std::string text;
        if (system.readSystemFile(text) && SystemFile::namesSystem(text))
            systems.emplace(name, system.systemFilePath());
    }
    return systems;
}

bool checkPassword(FileOps& files, const std::string& folder, const std::string& name,
                   const std::string& plain)
{
    std::string text, stored;
    return SystemFolder(files, SystemFolder::folderFor(folder, name), name).readSystemFile(text) &&
           SystemFile::storedPassword(text, stored) && PasswordCodec::matches(stored, name, plain);
}

} // namespace DataFolder
