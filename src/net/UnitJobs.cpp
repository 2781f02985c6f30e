#include "UnitJobs.h"

#include "Exchange.h"
#include "FileOps.h"
#include "System.h"
#include "TextRules.h"
#include "UnitFailure.h"

#include <chrono>
#include <thread>

namespace {

// The largest message file there is: a header and 40 s of sound on both tracks, coded.
constexpr std::size_t kLargestMessageFile = 204 + 320000 + 160000;

using Upload = bool (UnitClient::*)(const std::string&, const std::string&);
using OwnUpload = bool (UnitClient::*)();

// Log in, then upload; a unit whose credentials are not the system's takes the system's
// with the upload, which is authenticated with the unit's previous ones.
AllUnitRun::Job alignedUpload(const UnitJobs::Context& context, Upload upload, OwnUpload own)
{
    return [context, upload, own](Exchange& unit) {
        UnitClient client(unit, context.prompt, context.options);
        if (!client.checkLogin())
            return false;
        if (!UnitJobs::differsFromSystem(unit, context.system))
            return (client.*own)();
        const std::string name = unit.systemName();
        const std::string password = unit.password();
        unit.setSystemName(context.system.systemName());
        unit.setPassword(context.system.password());
        return (client.*upload)(name, password);
    };
}

} // namespace

namespace UnitJobs {

bool differsFromSystem(const Exchange& unit, const System& system)
{
    return !TextRules::equalsIgnoreCase(unit.systemName(), system.systemName()) ||
           !TextRules::equalsIgnoreCase(unit.password(), system.password());
}

AllUnitRun::Job checkLogin(const Context& context)
{
    return [context](Exchange& unit) {
        return UnitClient(unit, context.prompt, context.options).checkLogin();
    };
}

AllUnitRun::Job setClock(const Context& context)
{
    return [context](Exchange& unit) {
        UnitClient client(unit, context.prompt, context.options);
        if (!client.checkLogin())
            return false;
        const bool set = client.setClock();
        if (differsFromSystem(unit, context.system))
            client.changeSystemPassword(context.system.systemName(), context.system.password());
        return set;
    };
}

AllUnitRun::Job uploadSettings(const Context& context)
{
    return alignedUpload(context, &UnitClient::uploadSettings, &UnitClient::uploadOwnSettings);
}

AllUnitRun::Job uploadMaintenancePassword(const Context& context)
{
    return alignedUpload(context, &UnitClient::uploadMaintenancePassword,
                         &UnitClient::uploadOwnMaintenancePassword);
}

AllUnitRun::Job uploadMessagePaging(const Context& context)
{
    return alignedUpload(context, &UnitClient::uploadMessagePaging,
                         &UnitClient::uploadOwnMessagePaging);
}

AllUnitRun::Job changeCredentials(const Context& context, std::string newName,
                                  std::string newStoredPassword)
{
    return [context, newName, newStoredPassword](Exchange& unit) {
        const std::string name = unit.systemName();
        const std::string password = unit.password();
        UnitClient client(unit, context.prompt, context.options);
        if (client.checkLogin() && client.changeSystemPassword(newName, newStoredPassword))
            return true;
        unit.setSystemName(name);
        unit.setPassword(password);
        return false;
    };
}

AllUnitRun::Job transferMessage(const Context& context, FileOps& files,
                                std::map<int, std::string> pathByUnit)
{
    return [context, &files, pathByUnit](Exchange& unit) {
        UnitClient client(unit, context.prompt, context.options);
        if (!client.checkLogin())
            return false;
        // A message that cannot be read is a failure of this unit, never an empty upload.
        const auto path = pathByUnit.find(unit.exchangeNumber());
        std::string data;
        bool sent = false;
        if (path == pathByUnit.end())
            UnitFailure::note(UnitFailure::Reason::LocalFile, "no message for this unit");
        else if (!files.readFile(path->second, data, kLargestMessageFile))
            UnitFailure::note(UnitFailure::Reason::LocalFile, "cannot read " + path->second);
        else
            sent = client.uploadMessage(data);
        if (differsFromSystem(unit, context.system))
            client.changeSystemPassword(context.system.systemName(), context.system.password());
        return sent;
    };
}

AllUnitRun::Job checkBeforeDownload(const Context& context, long restartWaitMs)
{
    return [context, restartWaitMs](Exchange& unit) {
        UnitClient client(unit, context.prompt, context.options);
        if (!client.checkLogin())
            return false;
        if (!differsFromSystem(unit, context.system))
            return true;
        if (!client.changeSystemPassword(context.system.systemName(), context.system.password()))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(restartWaitMs));
        return true;
    };
}

} // namespace UnitJobs
