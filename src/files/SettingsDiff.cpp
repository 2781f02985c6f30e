#include "SettingsDiff.h"

#include "SectionTable.h"

#include <map>
#include <set>
#include <utility>

namespace SettingsDiff {

namespace {

// A record's values by key; a key that comes more than once is told apart by its place.
using Values = std::map<std::pair<std::string_view, int>, std::string_view>;

Values valuesOf(const CategoryData& record)
{
    Values values;
    std::map<std::string_view, int> seen;
    for (const CategoryData::Line& line : record.lines())
        values[{line.first, seen[line.first]++}] = line.second;
    return values;
}

bool isStamp(const std::string& section, std::string_view key)
{
    return section == "[header]" && key == "update";
}

} // namespace

std::vector<Change> compare(std::string_view before, std::string_view after)
{
    const SectionTable old = SectionTable::parse(before);
    const SectionTable now = SectionTable::parse(after);
    std::set<std::string> sections;
    for (const auto& section : old.sections())
        sections.insert(section.first);
    for (const auto& section : now.sections())
        sections.insert(section.first);

    std::vector<Change> changes;
    static const std::vector<CategoryData> none;
    for (const std::string& section : sections) {
        const auto& oldRecords = old.has(section) ? old.records(section) : none;
        const auto& newRecords = now.has(section) ? now.records(section) : none;
        const std::size_t count = std::max(oldRecords.size(), newRecords.size());
        for (std::size_t r = 0; r < count; ++r) {
            const Values a = r < oldRecords.size() ? valuesOf(oldRecords[r]) : Values();
            const Values b = r < newRecords.size() ? valuesOf(newRecords[r]) : Values();
            const std::string where = count > 1 ? section + " " + std::to_string(r + 1) : section;
            auto i = a.begin();
            auto j = b.begin();
            while (i != a.end() || j != b.end()) {
                Change change;
                if (j == b.end() || (i != a.end() && i->first < j->first)) {
                    change = {where, std::string(i->first.first), std::string(i->second), {},
                              false, true};
                    ++i;
                } else if (i == a.end() || j->first < i->first) {
                    change = {where, std::string(j->first.first), {}, std::string(j->second),
                              true, false};
                    ++j;
                } else {
                    change = {where, std::string(i->first.first), std::string(i->second),
                              std::string(j->second), false, false};
                    const bool same = i->second == j->second;
                    ++i;
                    ++j;
                    if (same)
                        continue;
                }
                if (!isStamp(section, change.key))
                    changes.push_back(std::move(change));
            }
        }
    }
    return changes;
}

} // namespace SettingsDiff
