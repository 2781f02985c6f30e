#pragma once

#include <string>
#include <string_view>
#include <vector>

class FileOps;

// What the system-selection dialog offers and what its OK does: the systems found in the
// data folder plus one entry for a new system, sorted; the first entry that begins with the
// current system name is selected; a known system opens only with its password.
class SystemSelection
{
public:
    // newSystemEntry: the entry that stands for a new system, "(New System)".
    SystemSelection(FileOps& files, std::string dataFolder, std::string newSystemEntry);

    // Reads the data folder again (every time the dialog opens).
    void refresh();
    const std::vector<std::string>& entries() const { return entries_; }
    bool isKnownSystem(int entry) const;

    // The entry to select for the current system name; the new-system entry when none
    // begins with it (case ignored) or the name is empty.
    int initialEntry(std::string_view currentName) const;
    // The password can be typed only for a known system.
    bool passwordEnabled(int entry) const { return isKnownSystem(entry); }

    enum class Result { Chosen, WrongPassword };
    // On Chosen, name is the system to open, or empty for a new system.
    Result accept(int entry, const std::string& password, std::string& name) const;

private:
    FileOps& files_;
    std::string dataFolder_;
    std::string newSystemEntry_;
    std::vector<std::string> entries_;
    std::vector<bool> known_;
};
