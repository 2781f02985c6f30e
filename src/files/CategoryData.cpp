#include "CategoryData.h"

#include "TextRules.h"

#include <algorithm>

CategoryData::CategoryData(std::string_view section, std::vector<Line> lines)
    : section_(section), lines_(std::move(lines))
{
    // Both sorts are stable, so equal keys stay in file order. Most records are a few lines
    // long, where sorting by insertion needs no buffer.
    auto before = [](const Line& a, const Line& b) { return a.first < b.first; };
    if (lines_.size() > 32) {
        std::stable_sort(lines_.begin(), lines_.end(), before);
        return;
    }
    for (std::size_t i = 1; i < lines_.size(); ++i) {
        for (std::size_t j = i; j > 0 && before(lines_[j], lines_[j - 1]); --j)
            std::swap(lines_[j], lines_[j - 1]);
    }
}

const std::string_view* CategoryData::find(std::string_view key) const
{
    for (const Line& line : lines_) {
        if (TextRules::equalsIgnoreCase(line.first, key))
            return &line.second;
    }
    return nullptr;
}
