#include "SystemStore.h"

#include "CodePageText.h"
#include "CommandError.h"
#include "DataFolder.h"
#include "System.h"
#include "SystemFolder.h"
#include "Timestamp.h"

#include <cstdlib>

SystemStore::SystemStore(FileOps& files, std::string dataFolder, Locale locale)
    : files_(files), dataFolder_(std::move(dataFolder)), locale_(std::move(locale))
{
}

std::string SystemStore::toTerminal(const std::string& bytes) const
{
    return CodePageText::toUtf8(bytes, locale_.codePage());
}

bool SystemStore::fromTerminal(const std::string& text, std::string& bytes) const
{
    return CodePageText::fromUtf8(text, locale_.codePage(), bytes);
}

std::string SystemStore::folderOf(const std::string& name) const
{
    return SystemFolder::folderFor(dataFolder_, name);
}

bool SystemStore::isKnown(const std::string& name) const
{
    return DataFolder::knownSystems(files_, dataFolder_).count(name) > 0;
}

void SystemStore::lock(const std::string& folder) const
{
    if (locks_.count(folder) > 0)
        return;
    const char* wait = std::getenv("R4000_LOCK_WAIT_MS");
    auto held = std::make_unique<FolderLock>();
    std::string error;
    if (!held->acquire(folder, wait && *wait ? std::atoi(wait) : 10000, error))
        throw CommandError(error);
    locks_.emplace(folder, std::move(held));
}

void SystemStore::load(const std::string& name, System& system) const
{
    if (!isKnown(name))
        throw CommandError("unknown system '" + name + "' in " + dataFolder_);
    lock(folderOf(name));
    std::string error;
    if (!SystemFolder(files_, folderOf(name), name).load(system, error))
        throw CommandError("cannot load system '" + name + "': " + error);
}

void SystemStore::save(System& system) const
{
    const std::string name = system.systemName();
    lock(folderOf(name));
    std::string error;
    if (!SystemFolder(files_, folderOf(name), name).save(system, stamp(), error))
        throw CommandError("cannot save system '" + name + "': " + error);
}

std::string SystemStore::stamp()
{
    std::string stamp;
    std::string error;
    if (!Timestamp::current(stamp, error))
        throw CommandError(error);
    return stamp;
}
