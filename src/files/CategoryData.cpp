#include "CategoryData.h"

#include "TextRules.h"

#include <algorithm>

void CategoryData::add(std::string key, std::string value)
{
    // After every key not above this one: equal keys stay in file order.
    auto at =
        std::upper_bound(lines_.begin(), lines_.end(), key,
                         [](const std::string& k, const Line& line) { return k < line.first; });
    lines_.emplace(at, std::move(key), std::move(value));
}

const std::string* CategoryData::find(std::string_view key) const
{
    for (const Line& line : lines_) {
        if (TextRules::equalsIgnoreCase(line.first, key))
            return &line.second;
    }
    return nullptr;
}
