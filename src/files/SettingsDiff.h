#pragma once

#include <string>
#include <string_view>
#include <vector>

// The settings two settings files of a unit hold differently, key by key: what a unit has
// against what an upload would send it, or what was sent against what came back. The time
// in the header is when a file was written, not a setting, and is left out.
namespace SettingsDiff {

struct Change {
    // "[network]"; a section of several records names the record: "[station] 3".
    std::string section;
    std::string key;
    // Empty when the key is missing on that side.
    std::string before;
    std::string after;
    bool onlyAfter = false;  // the key is only in after
    bool onlyBefore = false; // the key is only in before
};

// In section order (as the files' sections sort), then record, then key order.
std::vector<Change> compare(std::string_view before, std::string_view after);

} // namespace SettingsDiff
