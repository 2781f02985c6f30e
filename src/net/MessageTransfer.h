#pragma once

#include "AllUnitRun.h"
#include "MessageAssignments.h"
#include "UnitJobs.h"

#include <vector>

class FileOps;
class System;

// Registering voice messages on the IP master stations: the system's siren sound on every
// unit, and each chosen station's message file on its unit.
namespace MessageTransfer {

// How long the units are given to take a new siren before the system is saved.
constexpr long kSirenSettleMs = 2000;

// Makes siren the system's and sends the message-paging settings to every unit, then waits
// settleMs. The caller saves the system.
AllUnitRun::Report changeSiren(System& system, int siren, const UnitJobs::Context& context,
                               const AllUnitRun::Waiting& wait, long settleMs = kSirenSettleMs);

// Sends every unit of transfers its message file, all at once; one result per transfer, in
// their order.
AllUnitRun::Report send(System& system, const std::vector<MessageAssignments::Transfer>& transfers,
                        const UnitJobs::Context& context, FileOps& files,
                        const AllUnitRun::Waiting& wait);

} // namespace MessageTransfer
