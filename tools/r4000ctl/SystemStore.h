#pragma once

#include <string>

class FileOps;
class System;

// The systems of one data folder as the commands use them: loading and saving whole, with
// every failure turned into a CommandError.
class SystemStore
{
public:
    SystemStore(FileOps& files, std::string dataFolder);

    FileOps& files() const { return files_; }
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
};
