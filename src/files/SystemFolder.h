#pragma once

#include <cstdint>
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
    // Whether a copy of the system named systemName may be saved into folder: one that does
    // not exist, an empty one, or one that holds an earlier copy of that same system (its
    // system file names it); never a link. False with the reason: a folder of other files
    // could be anybody's.
    static bool isFreeFor(FileOps& files, const std::string& folder, const std::string& systemName,
                          std::string& error);
    // Whether the system named previousName can be renamed to name: no file or folder of that
    // name may exist in the data folder (it could be another tool's or another user's), and
    // the old folder must be no link. False with the reason.
    static bool canRename(FileOps& files, const std::string& dataFolder,
                          const std::string& previousName, const std::string& name,
                          std::string& error);
    // Saves the system into the folder of its name, which was previousName. Under a new name
    // the old folder becomes the new one, so the files of the other tools there (messages,
    // scan results) move along; the old system file goes. As safe as a save: interrupted at
    // any step, the data folder holds the old system or the new one.
    static bool saveRenamed(FileOps& files, const std::string& dataFolder,
                            const std::string& previousName, System& system, std::string_view stamp,
                            std::string& error);
    // Resets the model, then reads the system file and merges every settings file. False
    // with a reason when the folder or the system file cannot be read, the system file names
    // another system, or a settings file is not the file of the unit its name says (the
    // model then holds whatever could be read).
    bool load(System& system, std::string& error);
    // The text of the system file as it stands, also while a committed save waits to be
    // finished by the next load; false when there is none.
    bool readSystemFile(std::string& text);
    // A digest of the system file and the settings files as they are on disk now, to tell
    // whether another program saved the system since it was loaded.
    std::uint64_t digest();
    // The same digest of the files the last load read, taken as it read them.
    std::uint64_t loadedDigest() const { return loadedDigest_; }

    // The files a save writes, by name, in order: the system file, then 001.cfg ...
    struct File {
        std::string name;
        std::string text;
    };
    static std::vector<File> render(System& system, std::string_view stamp);

private:
    struct Commit;

    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Writes the files into the staging folder and commits them with commit's folder and
    // removals; the staging is gone again when it fails.
    bool stage(const std::vector<File>& rendered, Commit& commit, std::string& error);
    std::string staged(const std::string& name) const;
    // Finishes a committed save or discards an uncommitted one.
    bool recover(std::string& error);
    bool applyCommitted(const Commit& commit, std::string& error);
    // Merges text, read from the settings file name, which must be the file of the unit its
    // name says; false with the reason otherwise.
    bool loadUnit(System& system, const std::string& name, const std::string& text,
                  std::string& why);
    void discardStaging();

    FileOps& files_;
    std::string folder_;
    std::string systemName_;
    std::uint64_t loadedDigest_ = 0;
};
