#pragma once

#include "AllUnitRun.h"
#include "UnitJobs.h"

#include <string>
#include <vector>

class FileOps;
class System;

// The settings of every registered unit, to the units and back.
namespace SettingsTransfer {

// Uploads every unit's settings file (save the system first: what is sent is what the
// model holds).
AllUnitRun::Report uploadAll(System& system, const UnitJobs::Context& context,
                             const AllUnitRun::Waiting& wait);

// Downloads every unit's settings file into the system's folder and loads the system
// again from the folder. Every unit at once is given the system's credentials where it has
// others (restartWaitMs for it to restart), then its file is fetched; the system is loaded
// when all are done. A unit that fails keeps its local file. error tells why the folder could not
// be written or read again. units: only these (equipment numbers, in that order); empty for
// every unit.
AllUnitRun::Report downloadAll(System& system, const UnitJobs::Context& context, FileOps& files,
                               const std::string& dataFolder, const AllUnitRun::Waiting& wait,
                               long restartWaitMs, std::string& error, std::vector<int> units = {});

} // namespace SettingsTransfer
