#pragma once

#include "CategoryData.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// A settings file split into records, kept per section name (brackets included) in file
// order. Splitting never fails: lines it cannot place are ignored. The records view the
// text: it must outlive the table.
class SectionTable
{
public:
    static SectionTable parse(std::string_view text);

    // The records of a section; empty when the file has none.
    const std::vector<CategoryData>& records(const std::string& section) const;
    bool has(const std::string& section) const { return sections_.count(section) > 0; }
    const std::map<std::string, std::vector<CategoryData>>& sections() const { return sections_; }

private:
    std::map<std::string, std::vector<CategoryData>> sections_;
};
