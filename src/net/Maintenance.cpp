#include "Maintenance.h"

#include "FileOps.h"
#include "System.h"
#include "SystemFolder.h"

#include <vector>

namespace {

// Removes the folder and the files in it; false when something stays.
bool removeFolder(FileOps& files, const std::string& folder)
{
    std::vector<std::string> names;
    if (!files.list(folder, names))
        return false;
    bool ok = true;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        ok = (files.isDirectory(path) ? removeFolder(files, path) : files.removeFile(path)) && ok;
    }
    return files.removeDirectory(folder) && ok;
}

// Saves the system into the folder of its name. Under a new name the old folder becomes
// the new one, so the files of the other tools there (messages, scan results) move along;
// the old system file goes.
bool saveUnderName(System& system, const std::string& previousName, FileOps& files,
                   const std::string& dataFolder, const std::string& stamp, std::string& error)
{
    const std::string name = system.systemName();
    const std::string folder = SystemFolder::folderFor(dataFolder, name);
    const std::string oldFolder = SystemFolder::folderFor(dataFolder, previousName);
    const bool renamed = name != previousName;
    bool moved = false;
    if (renamed && files.isDirectory(oldFolder) && !files.exists(folder))
        moved = files.rename(oldFolder, folder);
    if (!SystemFolder(files, folder, name).save(system, stamp, error))
        return false;
    if (!renamed)
        return true;
    if (moved) {
        files.removeFile(SystemFolder(files, folder, previousName).systemFilePath());
        return true;
    }
    if (files.exists(oldFolder) && !removeFolder(files, oldFolder)) {
        error = "cannot remove " + oldFolder;
        return false;
    }
    return true;
}

} // namespace

namespace Maintenance {

AllUnitRun::Report setClockOnAll(System& system, const UnitJobs::Context& context,
                                 AllUnitRun::WaitMode wait)
{
    return AllUnitRun::runAll(system, UnitJobs::setClock(context), wait);
}

Outcome changePassword(System& system, const Previous& previous, const UnitJobs::Context& context,
                       FileOps& files, const std::string& dataFolder, const std::string& stamp,
                       AllUnitRun::WaitMode wait)
{
    Outcome outcome;
    const bool credentials =
        system.systemName() != previous.name || system.password() != previous.storedPassword;
    const bool maintenance = system.maintenancePassword() != previous.maintenancePassword;
    if (!credentials && !maintenance)
        return outcome;
    outcome.sent = true;
    outcome.report = AllUnitRun::runAll(
        system,
        credentials ? UnitJobs::changeCredentials(context, system.systemName(), system.password())
                    : UnitJobs::uploadMaintenancePassword(context),
        wait);
    saveUnderName(system, previous.name, files, dataFolder, stamp, outcome.error);
    return outcome;
}

} // namespace Maintenance
