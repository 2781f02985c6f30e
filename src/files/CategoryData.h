#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One record of a settings-file section as read: its key lines, held in ascending byte
// order of the keys with equal keys in file order. Readers walk them in that order, so
// within [network] the gateway comes before the address and the address before the mask.
// A record views the text it was read from and its section's name: both must outlive it.
class CategoryData
{
public:
    using Line = std::pair<std::string_view, std::string_view>;

    explicit CategoryData(std::string_view section = {}) : section_(section) {}
    // A record of the key lines as read, in file order; puts them in key order.
    CategoryData(std::string_view section, std::vector<Line> lines);

    std::string_view section() const { return section_; }
    const std::vector<Line>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }

    // The first value of a key compared without regard to case; null when absent.
    const std::string_view* find(std::string_view key) const;

private:
    std::string_view section_;
    std::vector<Line> lines_;
};
