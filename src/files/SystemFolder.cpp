#include "SystemFolder.h"

#include "Exchange.h"
#include "FileOps.h"
#include "SettingsFileWriter.h"
#include "System.h"
#include "SystemFile.h"
#include "TextLines.h"
#include "UnitFileReader.h"

#include <algorithm>
#include <cstring>
#include <cstdio>

namespace {

constexpr const char* kStaging = ".r4000-save";
constexpr const char* kCommit = "COMMIT";
// Lines of a commit besides the names of the staged files: the folder a renaming save
// belongs to, and the files it removes once applied (the old system file).
constexpr std::string_view kFolderLine = "folder:";
constexpr std::string_view kRemoveLine = "remove:";

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

// FNV-1a over the names and bytes of the system's files, in the order a load reads them.
class FileDigest
{
public:
    void add(std::string_view name, std::string_view text)
    {
        add(name);
        add(text);
    }
    std::uint64_t value() const { return hash_; }

private:
    // Eight bytes a step: a full system is megabytes, and every load reads them all. The
    // length closes each piece, so a name and a text never run into each other.
    void add(std::string_view bytes)
    {
        std::size_t at = 0;
        for (; at + 8 <= bytes.size(); at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + at, 8);
            mix(word);
        }
        std::uint64_t tail = 0;
        for (; at < bytes.size(); ++at)
            tail = (tail << 8) | static_cast<unsigned char>(bytes[at]);
        mix(tail);
        mix(bytes.size());
    }
    void mix(std::uint64_t value)
    {
        hash_ = (hash_ ^ value) * 1099511628211ull;
        hash_ ^= hash_ >> 29;
    }

    std::uint64_t hash_ = 14695981039346656037ull;
};

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace

// What a commit says: the staged files in order, the folder it belongs to (empty: the one it
// is in) and the files to remove once they are in place.
struct SystemFolder::Commit {
    std::vector<std::string> names;
    std::string folder;
    std::vector<std::string> removals;

    std::string text() const
    {
        std::string out;
        if (!folder.empty())
            out += std::string(kFolderLine) + folder + "\n";
        for (const std::string& name : removals)
            out += std::string(kRemoveLine) + name + "\n";
        for (const std::string& name : names)
            out += name + "\n";
        return out;
    }

    static Commit parse(const std::string& text)
    {
        Commit commit;
        for (const std::string& line : linesOf(text)) {
            if (line.rfind(kFolderLine, 0) == 0)
                commit.folder = line.substr(kFolderLine.size());
            else if (line.rfind(kRemoveLine, 0) == 0)
                commit.removals.push_back(line.substr(kRemoveLine.size()));
            else
                commit.names.push_back(line);
        }
        return commit;
    }
};

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
    Commit commit;
    return recover(error) && stage(render(system, stamp), commit, error) &&
           applyCommitted(commit, error);
}

bool SystemFolder::stage(const std::vector<File>& rendered, Commit& commit, std::string& error)
{
    const std::string staging = path(kStaging);
    if (files_.isLink(staging) || !files_.makeDirectory(staging)) {
        error = "cannot create " + staging;
        return false;
    }
    for (const File& file : rendered) {
        if (!files_.writeFileLater(staged(file.name), file.text)) {
            error = "cannot write " + staged(file.name);
            discardStaging();
            return false;
        }
        commit.names.push_back(file.name);
    }
    // The commit point: once the list is in place under its final name, the new files win.
    // The staged files and their entries are made durable first, all in one wait, so a
    // commit never names a file that a crash could lose.
    if (!files_.syncFileSystem(staging) || !files_.syncDirectory(staging) ||
        !files_.writeFile(staged(std::string(kCommit) + ".new"), commit.text()) ||
        !files_.rename(staged(std::string(kCommit) + ".new"), staged(kCommit)) ||
        !files_.syncDirectory(staging)) {
        error = "cannot commit the save in " + staging;
        discardStaging();
        return false;
    }
    return true;
}

bool SystemFolder::applyCommitted(const Commit& commit, std::string& error)
{
    const std::vector<std::string>& names = commit.names;
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
        const bool stale =
            (isSettingsFile(name) && std::find(names.begin(), names.end(), name) == names.end()) ||
            std::find(commit.removals.begin(), commit.removals.end(), name) !=
                commit.removals.end();
        if (stale && !files_.removeFile(path(name))) {
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
    // Never through a link: a link in the staging folder's place is left alone.
    if (files_.isLink(path(kStaging)))
        return;
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
    if (files_.isLink(path(kStaging))) {
        error = path(kStaging) + " is a link, not the folder of an interrupted save";
        return false;
    }
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
    const Commit commit = Commit::parse(manifest);
    // A renaming save whose folder was never renamed did not happen.
    if (!commit.folder.empty() && commit.folder != baseName(folder_)) {
        discardStaging();
        return true;
    }
    return applyCommitted(commit, error);
}

std::uint64_t SystemFolder::digest()
{
    FileDigest digest;
    std::string text;
    if (files_.readFile(systemFilePath(), text))
        digest.add(systemFilePath(), text);
    std::vector<std::string> names;
    files_.list(folder_, names);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (isSettingsFile(name) && files_.readFile(path(name), text))
            digest.add(name, text);
    }
    return digest.value();
}

bool SystemFolder::readSystemFile(std::string& text)
{
    if (files_.readFile(systemFilePath(), text))
        return true;
    // Renamed and committed, but not yet applied: the system file waits in the staging.
    std::string manifest;
    if (!files_.readFile(staged(kCommit), manifest))
        return false;
    const Commit commit = Commit::parse(manifest);
    const std::string name = systemName_ + ".sys";
    return (commit.folder.empty() || commit.folder == baseName(folder_)) &&
           std::find(commit.names.begin(), commit.names.end(), name) != commit.names.end() &&
           files_.readFile(staged(name), text);
}

bool SystemFolder::load(System& system, std::string& error)
{
    system.init();
    if (!recover(error))
        return false;
    // Without its system file the model keeps the defaults, but the units are still read.
    FileDigest digest;
    std::string text;
    bool systemFileRead = files_.readFile(systemFilePath(), text);
    if (systemFileRead) {
        digest.add(systemFilePath(), text);
        SystemFile::read(system, text);
        // A system is saved where it was loaded from, so the file must name its own folder's
        // system: another name would send the next save into another system's folder.
        if (system.systemName() != systemName_) {
            error = systemFilePath() + " names the system '" + system.systemName() + "'";
            systemFileRead = false;
        }
    } else {
        error = "cannot read " + systemFilePath();
    }

    std::vector<std::string> names;
    if (!files_.list(folder_, names)) {
        error = "cannot list " + folder_;
        return false;
    }
    std::sort(names.begin(), names.end());
    bool unitsRead = true;
    for (const std::string& name : names) {
        if (!isSettingsFile(name))
            continue;
        std::string why = "cannot be read";
        const bool read = files_.readFile(path(name), text);
        if (read)
            digest.add(name, text);
        if (!(read && loadUnit(system, name, text, why)) && unitsRead) {
            // The first file that does not load is named; a save over it would lose its
            // unit or renumber the ones after it.
            error = path(name) + ": " + why;
            unitsRead = false;
        }
    }
    system.compactEquipment();
    loadedDigest_ = digest.value();
    return systemFileRead && unitsRead;
}

bool SystemFolder::loadUnit(System& system, const std::string& name, const std::string& text,
                            std::string& why)
{
    int expected = 0;
    if (name.size() != 7 || std::sscanf(name.c_str(), "%3d.cfg", &expected) != 1 ||
        settingsFileName(expected) != name) {
        why = "is not named as a unit's settings file (001.cfg ...)";
        return false;
    }
    // Parsed once: merged, then judged. A file of another unit fails the load, so what it
    // merged is never saved.
    const int n = UnitFileReader::merge(system, text);
    if (n == 0) {
        why = "is no settings file of a unit";
        return false;
    }
    if (n != expected) {
        why = "is the settings file of unit " + std::to_string(n);
        return false;
    }
    if (system.equipment(n)->isNone()) {
        why = "names a model this system does not have";
        return false;
    }
    return true;
}

bool SystemFolder::isFreeFor(FileOps& files, const std::string& folder,
                             const std::string& systemName, std::string& error)
{
    if (!files.exists(folder))
        return true;
    std::vector<std::string> names;
    if (files.isLink(folder) || !files.isDirectory(folder) || !files.list(folder, names)) {
        error = folder + " is no folder to save into";
        return false;
    }
    std::string text;
    std::string named;
    if (names.empty() || (SystemFolder(files, folder, systemName).readSystemFile(text) &&
                          SystemFile::systemName(text, named) && named == systemName))
        return true;
    error = folder + " is neither empty nor a copy of system '" + systemName + "'";
    return false;
}

bool SystemFolder::canRename(FileOps& files, const std::string& dataFolder,
                             const std::string& previousName, const std::string& name,
                             std::string& error)
{
    if (name == previousName)
        return true;
    const std::string folder = folderFor(dataFolder, name);
    if (files.exists(folder)) {
        error = "a system or folder named " + name + " exists already in " + dataFolder;
        return false;
    }
    const std::string oldFolder = folderFor(dataFolder, previousName);
    if (files.isLink(oldFolder)) {
        error = oldFolder + " is a link, not a system folder";
        return false;
    }
    return true;
}

bool SystemFolder::saveRenamed(FileOps& files, const std::string& dataFolder,
                               const std::string& previousName, System& system,
                               std::string_view stamp, std::string& error)
{
    const std::string name = system.systemName();
    const std::string folder = folderFor(dataFolder, name);
    if (name == previousName)
        return SystemFolder(files, folder, name).save(system, stamp, error);
    if (!canRename(files, dataFolder, previousName, name, error))
        return false;
    const std::string oldFolder = folderFor(dataFolder, previousName);
    if (!files.isDirectory(oldFolder))
        return SystemFolder(files, folder, name).save(system, stamp, error);

    // The new files are staged in the old folder, committed for the new one, and the rename
    // of the folder is the point of no return: until it, the old folder loads as the old
    // system (the commit belongs to another folder and is dropped); from it on, the new
    // folder holds the commit and loads as the new system. The folder's other files (the
    // messages, the scan results) move with it; nothing is ever deleted instead.
    SystemFolder old(files, oldFolder, previousName);
    Commit commit;
    commit.folder = name;
    commit.removals.push_back(previousName + ".sys");
    if (!old.recover(error) || !old.stage(render(system, stamp), commit, error))
        return false;
    if (!files.rename(oldFolder, folder) || !files.syncDirectory(parentOf(folder))) {
        if (files.isDirectory(oldFolder))
            old.discardStaging();
        error = "cannot rename " + oldFolder + " to " + folder;
        return false;
    }
    return SystemFolder(files, folder, name).recover(error);
}
