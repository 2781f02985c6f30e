#include "SystemFolder.h"

#include "Exchange.h"
#include "FileOps.h"
#include "SettingsFileWriter.h"
#include "System.h"
#include "SystemFile.h"
#include "TextLines.h"
#include "UnitFileReader.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kStaging = ".r4000-save";
constexpr const char* kCommit = "COMMIT";

bool isSettingsFile(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".cfg") == 0;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    TextLines::forEach(text, [&](std::string_view line) {
        if (!line.empty())
            lines.emplace_back(line);
    });
    return lines;
}

// Removes the folder and the files in it; false when something stays.
bool removeFolder(FileOps& files, const std::string& folder)
{
    std::vector<std::string> names;
    if (!files.list(folder, names))
        return false;
    bool ok = true;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        ok = (files.isDirectory(path) ? removeFolder(files, path) : files.removeFile(path)) && ok;
    }
    return files.removeDirectory(folder) && ok;
}

} // namespace

SystemFolder::SystemFolder(FileOps& files, std::string folder, std::string systemName)
    : files_(files), folder_(std::move(folder)), systemName_(std::move(systemName))
{
}

std::string SystemFolder::folderFor(const std::string& dataFolder, const std::string& systemName)
{
    return dataFolder + "/" + systemName;
}

std::string SystemFolder::systemFilePath() const
{
    return path(systemName_ + ".sys");
}

std::string SystemFolder::settingsFileName(int n)
{
    char name[16];
    std::snprintf(name, sizeof name, "%03d.cfg", n);
    return name;
}

std::string SystemFolder::staged(const std::string& name) const
{
    return folder_ + "/" + kStaging + "/" + name;
}

std::vector<SystemFolder::File> SystemFolder::render(System& system, std::string_view stamp)
{
    system.applyModelRules();
    std::vector<File> out;
    out.push_back({system.systemName() + ".sys", SystemFile::write(system)});
    for (int n = 1; n <= system.registeredCount(); ++n)
        out.push_back(
            {settingsFileName(n), SettingsFileWriter::write(*system.equipment(n), stamp)});
    return out;
}

bool SystemFolder::save(System& system, std::string_view stamp, std::string& error)
{
    if (!files_.makeDirectory(folder_)) {
        error = "cannot create the folder " + folder_;
        return false;
    }
    if (!recover(error))
        return false;

    const std::vector<File> rendered = render(system, stamp);
    const std::string staging = path(kStaging);
    if (!files_.makeDirectory(staging)) {
        error = "cannot create " + staging;
        return false;
    }
    std::string manifest;
    for (const File& file : rendered) {
        if (!files_.writeFile(staged(file.name), file.text)) {
            error = "cannot write " + staged(file.name);
            discardStaging();
            return false;
        }
        manifest += file.name + "\n";
    }
    // The commit point: once the list is in place under its final name, the new files win.
    // The staged files' entries are made durable first, so a commit never names a file
    // that a crash could lose.
    if (!files_.syncDirectory(staging) ||
        !files_.writeFile(staged(std::string(kCommit) + ".new"), manifest) ||
        !files_.rename(staged(std::string(kCommit) + ".new"), staged(kCommit)) ||
        !files_.syncDirectory(staging)) {
        error = "cannot commit the save in " + staging;
        discardStaging();
        return false;
    }
    std::vector<std::string> names;
    for (const File& file : rendered)
        names.push_back(file.name);
    return applyCommitted(names, error);
}

bool SystemFolder::applyCommitted(const std::vector<std::string>& names, std::string& error)
{
    for (const std::string& name : names) {
        if (files_.exists(staged(name)) && !files_.rename(staged(name), path(name))) {
            error = "cannot move " + name + " into " + folder_;
            return false;
        }
    }
    std::vector<std::string> present;
    if (!files_.list(folder_, present)) {
        error = "cannot list " + folder_;
        return false;
    }
    for (const std::string& name : present) {
        if (isSettingsFile(name) && std::find(names.begin(), names.end(), name) == names.end() &&
            !files_.removeFile(path(name))) {
            error = "cannot remove the old " + name;
            return false;
        }
    }
    if (!files_.syncDirectory(folder_) || !files_.removeFile(staged(kCommit)) ||
        !files_.removeDirectory(path(kStaging))) {
        error = "cannot finish the save in " + folder_;
        return false;
    }
    return true;
}

void SystemFolder::discardStaging()
{
    // The commit goes first and for good: while it stands, the staged files are a save to
    // finish, and a part of them would be finished as a mix of old and new. When it cannot
    // be removed, everything stays for the next load to finish.
    if (!files_.removeFile(staged(kCommit)) || !files_.syncDirectory(path(kStaging)))
        return;
    std::vector<std::string> names;
    if (files_.list(path(kStaging), names)) {
        for (const std::string& name : names)
            files_.removeFile(staged(name));
    }
    files_.removeDirectory(path(kStaging));
}

bool SystemFolder::recover(std::string& error)
{
    if (!files_.isDirectory(path(kStaging)))
        return true;
    if (!files_.exists(staged(kCommit))) {
        discardStaging();
        return true;
    }
    // A committed save that cannot be read now is kept for a later attempt, never dropped.
    std::string manifest;
    if (!files_.readFile(staged(kCommit), manifest)) {
        error = "cannot read the interrupted save in " + path(kStaging);
        return false;
    }
    if (!applyCommitted(linesOf(manifest), error))
        return false;
    discardStaging();
    return true;
}

bool SystemFolder::load(System& system, std::string& error)
{
    system.init();
    if (!recover(error))
        return false;
    // Without its system file the model keeps the defaults, but the units are still read.
    std::string text;
    const bool systemFileRead = files_.readFile(systemFilePath(), text);
    if (systemFileRead)
        SystemFile::read(system, text);
    else
        error = "cannot read " + systemFilePath();

    std::vector<std::string> names;
    if (!files_.list(folder_, names)) {
        error = "cannot list " + folder_;
        return false;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (isSettingsFile(name) && files_.readFile(path(name), text))
            UnitFileReader::merge(system, text);
    }
    system.compactEquipment();
    return systemFileRead;
}

bool SystemFolder::saveRenamed(FileOps& files, const std::string& dataFolder,
                               const std::string& previousName, System& system,
                               std::string_view stamp, std::string& error)
{
    const std::string name = system.systemName();
    const std::string folder = SystemFolder::folderFor(dataFolder, name);
    const std::string oldFolder = SystemFolder::folderFor(dataFolder, previousName);
    const bool renamed = name != previousName;
    bool moved = false;
    if (renamed && files.isDirectory(oldFolder) && !files.exists(folder))
        moved = files.rename(oldFolder, folder);
    if (!SystemFolder(files, folder, name).save(system, stamp, error))
        return false;
    if (!renamed)
        return true;
    if (moved) {
        files.removeFile(SystemFolder(files, folder, previousName).systemFilePath());
        return true;
    }
    if (files.exists(oldFolder) && !removeFolder(files, oldFolder)) {
        error = "cannot remove " + oldFolder;
        return false;
    }
    return true;
}
