#pragma once

#include "AllUnitRun.h"
#include "UnitJobs.h"

#include <string>

class FileOps;
class System;

// The two maintenance jobs on every registered unit: setting the clocks, and changing the
// system's name, password or station-maintenance password.
namespace Maintenance {

AllUnitRun::Report setClockOnAll(System& system, const UnitJobs::Context& context,
                                 const AllUnitRun::Waiting& wait);

// What the system was called and held before the user changed it; the model already
// holds the new values.
struct Previous {
    std::string name;
    std::string storedPassword;
    std::string maintenancePassword;
};

struct Outcome {
    AllUnitRun::Report report;
    // Whether anything was sent (nothing is when nothing changed).
    bool sent = false;
    // Why saving the system under its name failed.
    std::string error;
};

// Sends what changed to every unit and saves the system: a new name or password with
// every unit reset (a unit that fails keeps its old credentials in the model); else a new
// maintenance password. Under a new name the system's folder is renamed with it, files there
// other than the system's own moving along; a name whose folder exists is refused before
// any unit is touched (SystemFolder::canRename). stamp: the header time of the files written.
// An empty dataFolder saves nothing: a system never saved is saved by the caller, under a
// name the user gives it.
Outcome changePassword(System& system, const Previous& previous, const UnitJobs::Context& context,
                       FileOps& files, const std::string& dataFolder, const std::string& stamp,
                       const AllUnitRun::Waiting& wait);

} // namespace Maintenance
