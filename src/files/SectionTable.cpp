#include "SectionTable.h"

#include "TextLines.h"

SectionTable SectionTable::parse(std::string_view text)
{
    SectionTable table;
    // The records and the name of the section being read, null before the first heading;
    // both live in the map's node, which stays put while the map grows.
    std::vector<CategoryData>* records = nullptr;
    const std::string* section = nullptr;
    // The key lines of the record being read. Lines before the first heading belong to the
    // first section's first record.
    std::vector<CategoryData::Line> lines;

    auto store = [&] {
        if (!records)
            return;
        const std::size_t size = lines.size();
        records->emplace_back(*section, std::move(lines));
        // The next record of a section is mostly as long as this one.
        lines = std::vector<CategoryData::Line>();
        lines.reserve(size);
    };

    TextLines::forEach(text, [&](std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        } else if (line.substr(0, 2) == "--") {
            store();
        } else if (!line.empty() && line.front() == '[') {
            store();
            const auto node = table.sections_.try_emplace(std::string(line)).first;
            records = &node->second;
            section = &node->first;
        }
    });
    store();
    return table;
}

const std::vector<CategoryData>& SectionTable::records(const std::string& section) const
{
    static const std::vector<CategoryData> kNone;
    auto it = sections_.find(section);
    return it == sections_.end() ? kNone : it->second;
}
