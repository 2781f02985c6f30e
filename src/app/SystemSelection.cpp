#include "SystemSelection.h"

#include "DataFolder.h"

#include <algorithm>
#include <cctype>

namespace {

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

SystemSelection::SystemSelection(FileOps& files, std::string dataFolder, std::string newSystemEntry)
    : files_(files), dataFolder_(std::move(dataFolder)), newSystemEntry_(std::move(newSystemEntry))
{
    refresh();
}

void SystemSelection::refresh()
{
    entries_.clear();
    entries_.push_back(newSystemEntry_);
    for (const auto& entry : DataFolder::knownSystems(files_, dataFolder_))
        entries_.push_back(entry.first);
    // The list sorts itself, without regard to case.
    std::stable_sort(
        entries_.begin(), entries_.end(),
        [](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    known_.assign(entries_.size(), true);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        known_[i] = entries_[i] != newSystemEntry_;
}

bool SystemSelection::isKnownSystem(int entry) const
{
    return entry >= 0 && std::size_t(entry) < entries_.size() && known_[std::size_t(entry)];
}

int SystemSelection::initialEntry(std::string_view currentName) const
{
    const auto newEntry = std::find(entries_.begin(), entries_.end(), newSystemEntry_);
    if (currentName.empty())
        return int(newEntry - entries_.begin());
    const std::string prefix = folded(currentName);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (folded(entries_[i]).compare(0, prefix.size(), prefix) == 0)
            return int(i);
    }
    return int(newEntry - entries_.begin());
}

SystemSelection::Result SystemSelection::accept(int entry, const std::string& password,
                                                std::string& name) const
{
    if (!isKnownSystem(entry)) {
        name.clear();
        return Result::Chosen;
    }
    const std::string& system = entries_[std::size_t(entry)];
    if (!DataFolder::checkPassword(files_, dataFolder_, system, password))
        return Result::WrongPassword;
    name = system;
    return Result::Chosen;
}
