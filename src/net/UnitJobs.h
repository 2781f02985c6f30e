#pragma once

#include "AllUnitRun.h"
#include "UnitClient.h"

#include <map>
#include <string>

class CredentialsPrompt;
class FileOps;
class System;

// What each worker of an all-unit run does with its unit. Before the real job, every
// worker logs in (so the credentials that work become the unit's own) and, where the job
// says so, brings the unit's name and password in line with the system's.
namespace UnitJobs {

struct Context {
    const System& system;
    CredentialsPrompt* prompt = nullptr;
    UnitClient::Options options;
};

// True when the unit's stored name or password is not the system's (case ignored).
bool differsFromSystem(const Exchange& unit, const System& system);

// Log in only.
AllUnitRun::Job checkLogin(const Context& context);
// Log in, set the clock; a unit with other credentials is then given the system's (that
// change does not count towards the result).
AllUnitRun::Job setClock(const Context& context);
// Log in and upload the whole settings file. A unit with other credentials takes the
// system's with it, authenticated with what it still knows.
AllUnitRun::Job uploadSettings(const Context& context);
// The same with the station-maintenance password only.
AllUnitRun::Job uploadMaintenancePassword(const Context& context);
// The same with the message-paging settings only.
AllUnitRun::Job uploadMessagePaging(const Context& context);
// Log in and give the unit a new name and password. A unit that fails keeps its previous
// credentials in the model, so a later attempt logs in with what the unit still knows.
AllUnitRun::Job changeCredentials(const Context& context, std::string newName,
                                  std::string newStoredPassword);
// Log in and send the unit the message file at path (read whole, up to the size of the
// largest message file); a unit with other credentials is then given the system's.
AllUnitRun::Job transferMessage(const Context& context, FileOps& files,
                                std::map<int, std::string> pathByUnit);
// Before a settings download: log in and, where the unit's credentials are not the
// system's, give it the system's and wait restartWaitMs for it to restart.
AllUnitRun::Job checkBeforeDownload(const Context& context, long restartWaitMs = 30000);

} // namespace UnitJobs
