#include "SettingsTransfer.h"

#include "Exchange.h"
#include "FileOps.h"
#include "System.h"
#include "SystemFolder.h"

namespace SettingsTransfer {

AllUnitRun::Report uploadAll(System& system, const UnitJobs::Context& context,
                             AllUnitRun::WaitMode wait)
{
    return AllUnitRun::runAll(system, UnitJobs::uploadSettings(context), wait);
}

AllUnitRun::Report downloadAll(System& system, const UnitJobs::Context& context, FileOps& files,
                               const std::string& dataFolder, AllUnitRun::WaitMode wait,
                               long restartWaitMs, std::string& error)
{
    const std::string name = system.systemName();
    SystemFolder folder(files, SystemFolder::folderFor(dataFolder, name), name);
    if (!files.makeDirectory(folder.folder()))
        error = "cannot create " + folder.folder();
    // Every unit at once, so a download takes as long as its slowest unit: the credential
    // check, then its own file, which replaces the local one only when whole and its own. A
    // unit that fails is named once and keeps its local file.
    const AllUnitRun::Job check = UnitJobs::checkBeforeDownload(context, restartWaitMs);
    const AllUnitRun::Report report = AllUnitRun::runAll(
        system,
        [&](Exchange& unit) {
            return check(unit) &&
                   UnitClient(unit, context.prompt, context.options)
                       .downloadSettings(files, folder.settingsFilePath(unit.exchangeNumber()));
        },
        wait, AllUnitRun::FailureFormat::WithoutBlank);
    // The model is what the folder now holds, also when some units failed.
    if (error.empty())
        folder.load(system, error);
    return report;
}

} // namespace SettingsTransfer
