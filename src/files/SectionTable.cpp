#include "SectionTable.h"

SectionTable SectionTable::parse(std::string_view text)
{
    SectionTable table;
    bool open = false;
    CategoryData record;
    // Key lines before the first heading belong to the first section's first record.
    std::vector<CategoryData::Line> early;

    auto store = [&] {
        if (open)
            table.sections_[record.section()].push_back(std::move(record));
    };

    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            std::string key(line.substr(0, equals));
            std::string value(line.substr(equals + 1));
            if (open)
                record.add(std::move(key), std::move(value));
            else
                early.emplace_back(std::move(key), std::move(value));
        } else if (line.substr(0, 2) == "--") {
            if (open) {
                const std::string section = record.section();
                store();
                record = CategoryData(section);
            }
        } else if (!line.empty() && line.front() == '[') {
            store();
            record = CategoryData(std::string(line));
            if (!open) {
                for (auto& [key, value] : early)
                    record.add(std::move(key), std::move(value));
                early.clear();
            }
            open = true;
        }
    }
    store();
    return table;
}

const std::vector<CategoryData>& SectionTable::records(const std::string& section) const
{
    static const std::vector<CategoryData> kNone;
    auto it = sections_.find(section);
    return it == sections_.end() ? kNone : it->second;
}
