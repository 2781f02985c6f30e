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
    constexpr auto format = AllUnitRun::FailureFormat::WithoutBlank;
    AllUnitRun::Report report = AllUnitRun::runAll(
        system, UnitJobs::checkBeforeDownload(context, restartWaitMs), wait, format);

    const std::string name = system.systemName();
    SystemFolder folder(files, SystemFolder::folderFor(dataFolder, name), name);
    if (!files.makeDirectory(folder.folder())) {
        error = "cannot create " + folder.folder();
        return report;
    }
    for (int n = 1; n <= system.registeredCount(); ++n) {
        Exchange& unit = *system.equipment(n);
        // A unit that failed the check is named once; its local file stays.
        if (!report.results[std::size_t(n - 1)])
            continue;
        if (!UnitClient(unit, context.prompt, context.options)
                 .downloadSettings(files, folder.settingsFilePath(n))) {
            report.results[std::size_t(n - 1)] = false;
            report.failures += AllUnitRun::failureLine(unit, format);
        }
    }
    // The model is what the folder now holds, also when some units failed.
    folder.load(system, error);
    return report;
}

} // namespace SettingsTransfer
