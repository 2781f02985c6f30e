#include "Maintenance.h"

#include "FileOps.h"
#include "System.h"
#include "SystemFolder.h"

namespace Maintenance {

AllUnitRun::Report setClockOnAll(System& system, const UnitJobs::Context& context,
                                 const AllUnitRun::Waiting& wait)
{
    return AllUnitRun::runAll(system, UnitJobs::setClock(context), wait);
}

Outcome changePassword(System& system, const Previous& previous, const UnitJobs::Context& context,
                       FileOps& files, const std::string& dataFolder, const std::string& stamp,
                       const AllUnitRun::Waiting& wait)
{
    Outcome outcome;
    const bool credentials =
        system.systemName() != previous.name || system.password() != previous.storedPassword;
    const bool maintenance = system.maintenancePassword() != previous.maintenancePassword;
    if (!credentials && !maintenance)
        return outcome;
    const bool saving = !dataFolder.empty();
    if (saving && !SystemFolder::canRename(files, dataFolder, previous.name, system.systemName(),
                                           outcome.error))
        return outcome;
    outcome.sent = true;
    outcome.report = AllUnitRun::runAll(
        system,
        credentials ? UnitJobs::changeCredentials(context, system.systemName(), system.password())
                    : UnitJobs::uploadMaintenancePassword(context),
        wait);
    if (saving)
        SystemFolder::saveRenamed(files, dataFolder, previous.name, system, stamp, outcome.error);
    return outcome;
}

} // namespace Maintenance
