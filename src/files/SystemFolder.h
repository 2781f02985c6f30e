#pragma once

#include <string>
#include <string_view>
#include <vector>

class FileOps;
class System;

// A system on disk: the folder "<data folder>/<name>" with the system file "<name>.sys"
// and one settings file per unit in use, 001.cfg, 002.cfg, ...
//
// Saving is all or nothing. The new files are written into a staging folder inside the
// system folder and flushed; one rename then commits them, and only after that are they
// moved into place and stale settings files removed. Loading first finishes a committed
// save that was interrupted, or throws away an uncommitted one, so a folder always loads
// as the old system or as the new one. Other files in the folder (messages, lists, scan
// results) are never touched.
class SystemFolder
{
public:
    SystemFolder(FileOps& files, std::string folder, std::string systemName);

    static std::string folderFor(const std::string& dataFolder, const std::string& systemName);
    const std::string& folder() const { return folder_; }
    const std::string& systemName() const { return systemName_; }
    std::string systemFilePath() const;
    // "001.cfg", ...: the settings file of unit n.
    static std::string settingsFileName(int n);
    std::string settingsFilePath(int n) const { return path(settingsFileName(n)); }

    // Repairs the model as the writer needs it, then writes every file. stamp: local date
    // and time for the settings files' header. False with a reason in error on failure.
    bool save(System& system, std::string_view stamp, std::string& error);
    // Saves the system into the folder of its name, which was previousName. Under a new name
    // the old folder becomes the new one, so the files of the other tools there (messages,
    // scan results) move along; the old system file goes.
    static bool saveRenamed(FileOps& files, const std::string& dataFolder,
                            const std::string& previousName, System& system, std::string_view stamp,
                            std::string& error);
    // Resets the model, then reads the system file and merges every settings file. False
    // with a reason when the folder or the system file cannot be read (the model then holds
    // whatever could be read).
    bool load(System& system, std::string& error);

    // The files a save writes, by name, in order: the system file, then 001.cfg ...
    struct File {
        std::string name;
        std::string text;
    };
    static std::vector<File> render(System& system, std::string_view stamp);

private:
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    std::string staged(const std::string& name) const;
    // Finishes a committed save or discards an uncommitted one.
    bool recover(std::string& error);
    bool applyCommitted(const std::vector<std::string>& names, std::string& error);
    void discardStaging();

    FileOps& files_;
    std::string folder_;
    std::string systemName_;
};
