#pragma once

#include "PosixFileOps.h"
#include "R4000System.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"

#include <string>

// Saved systems in a data folder, as the program finds them.
namespace SystemFixture {

// A system saved under name with plain password; an empty password keeps the default one.
inline bool save(const std::string& dataFolder, const std::string& name,
                 const std::string& password = {}, int units = 0)
{
    PosixFileOps files;
    R4000System system;
    if (password.empty() ? !system.setSystemName(name)
                         : !SystemCredentials::apply(system, name, password, password).ok())
        return false;
    for (int n = 1; n <= units; ++n)
        system.insertEquipment(n, "R-4100EX");
    std::string error;
    return SystemFolder(files, SystemFolder::folderFor(dataFolder, name), name)
        .save(system, "2026/12/10 09:00:00", error);
}

} // namespace SystemFixture
