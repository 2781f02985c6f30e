#pragma once

#include "FolderLock.h"
#include "Locale.h"

#include <map>
#include <memory>
#include <string>

class FileOps;
class System;

// The systems of one data folder as the commands use them: loading and saving whole, with
// every failure turned into a CommandError. A system's folder is locked from its load (or
// first save) to the end of the command, so two writers never mix their saves; another
// holder is waited for $R4000_LOCK_WAIT_MS (10 s by default). The language is the program's for the
// same locale: its registries, and the code page of the names in the files, which the terminal
// shows and takes as UTF-8.
class SystemStore
{
public:
    SystemStore(FileOps& files, std::string dataFolder, Locale locale);

    FileOps& files() const { return files_; }
    const Locale& locale() const { return locale_; }
    // A name of the files as the terminal shows it, and a name typed there in the code
    // page (false when a character has no form in it).
    std::string toTerminal(const std::string& bytes) const;
    bool fromTerminal(const std::string& text, std::string& bytes) const;
    const std::string& dataFolder() const { return dataFolder_; }
    std::string folderOf(const std::string& name) const;
    bool isKnown(const std::string& name) const;

    // Throws for a system the data folder does not hold or cannot give, or whose folder
    // another program keeps locked.
    void load(const std::string& name, System& system) const;
    // Saves the system into the folder of its name.
    void save(System& system) const;
    // The settings files' header stamp; a malformed $R4000_TIMESTAMP is bad usage.
    static std::string stamp();

private:
    FileOps& files_;
    std::string dataFolder_;
    void lock(const std::string& folder) const;

    Locale locale_;
    mutable std::map<std::string, std::unique_ptr<FolderLock>> locks_;
};
