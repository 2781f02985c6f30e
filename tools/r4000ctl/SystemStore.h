#pragma once

#include "Locale.h"

#include <string>

class FileOps;
class System;

// The systems of one data folder as the commands use them: loading and saving whole, with
// every failure turned into a CommandError. The language is the program's for the same
// locale: its registries, and the code page of the names in the files, which the terminal
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

    // Throws for a system the data folder does not hold or cannot give.
    void load(const std::string& name, System& system) const;
    // Saves the system into the folder of its name.
    void save(System& system) const;
    // The settings files' header stamp; a malformed $R4000_TIMESTAMP is bad usage.
    static std::string stamp();

private:
    FileOps& files_;
    std::string dataFolder_;
    Locale locale_;
};
