#include "SettingsTransfer.h"

#include "Exchange.h"
#include "FileOps.h"
#include "System.h"
#include "SystemFolder.h"

namespace SettingsTransfer {

AllUnitRun::Report uploadAll(System& system, const UnitJobs::Context& context,
                             const AllUnitRun::Waiting& wait)
{
    return AllUnitRun::runAll(system, UnitJobs::uploadSettings(context), wait);
}

AllUnitRun::Report downloadAll(System& system, const UnitJobs::Context& context, FileOps& files,
                               const std::string& dataFolder, const AllUnitRun::Waiting& wait,
                               long restartWaitMs, std::string& error, std::vector<int> units)
{
    const std::string name = system.systemName();
    SystemFolder folder(files, SystemFolder::folderFor(dataFolder, name), name);
    if (!files.makeDirectory(folder.folder()))
        error = "cannot create " + folder.folder();
    if (units.empty())
        units = AllUnitRun::everyUnit(system);
    // Every unit at once, so a download takes as long as its slowest unit: the credential
    // check, then its own file, which replaces the local one only when whole and its own. A
    // unit that fails is named once and keeps its local file.
    const AllUnitRun::Job check = UnitJobs::checkBeforeDownload(context, restartWaitMs);
    AllUnitRun run(
        system, std::move(units),
        [&](Exchange& unit) {
            return check(unit) &&
                   UnitClient(unit, context.prompt, context.options)
                       .downloadSettings(files, folder.settingsFilePath(unit.exchangeNumber()));
        },
        AllUnitRun::FailureFormat::WithoutBlank);
    run.run(wait);
    const AllUnitRun::Report report = run.report();
    // The model is what the folder now holds, also when some units failed.
    if (error.empty())
        folder.load(system, error);
    return report;
}

} // namespace SettingsTransfer
