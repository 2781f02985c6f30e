#include "SettingsText.h"

#include "TextLines.h"
#include "TextRules.h"

#include <algorithm>

namespace {

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The name of a "[name]" line, empty for any other line.
std::string_view headingName(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return {};
    return line.substr(1, line.size() - 2);
}

std::string_view keyOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : trim(line.substr(0, eq));
}

bool sameKey(std::string_view a, std::string_view b)
{
    const std::string_view keyA = keyOf(a);
    return !keyA.empty() && TextRules::equalsIgnoreCase(keyA, keyOf(b));
}

// Same key and the same value.
bool sameLine(std::string_view a, std::string_view b)
{
    if (!sameKey(a, b))
        return false;
    return a.substr(a.find('=') + 1) == b.substr(b.find('=') + 1);
}

} // namespace

SettingsText::SettingsText(std::string_view text)
{
    TextLines::forEach(text, [this](std::string_view line) { lines_.emplace_back(line); });
}

std::size_t SettingsText::heading(std::string_view name) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (TextRules::equalsIgnoreCase(headingName(lines_[i]), name))
            return i;
    return lines_.size();
}

std::size_t SettingsText::sectionEnd(std::size_t headingLine) const
{
    std::size_t i = headingLine + 1;
    while (i < lines_.size() && headingName(lines_[i]).empty())
        ++i;
    return i;
}

bool SettingsText::hasSection(std::string_view name) const
{
    return heading(name) < lines_.size();
}

bool SettingsText::value(std::string_view section, std::string_view key, std::string& out) const
{
    const std::size_t at = heading(section);
    if (at == lines_.size())
        return false;
    for (std::size_t i = at + 1; i < sectionEnd(at); ++i) {
        if (TextRules::equalsIgnoreCase(keyOf(lines_[i]), key)) {
            out = lines_[i].substr(lines_[i].find('=') + 1);
            return true;
        }
    }
    return false;
}

bool SettingsText::isPartial() const
{
    if (!hasSection("header") || !hasSection("system"))
        return false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view name = headingName(lines_[i]);
        if (!name.empty() && !TextRules::equalsIgnoreCase(name, "header") &&
            !TextRules::equalsIgnoreCase(name, "system") &&
            !TextRules::equalsIgnoreCase(name, "msg_pag"))
            return false;
    }
    const std::size_t system = heading("system");
    for (std::size_t i = system + 1; i < sectionEnd(system); ++i) {
        const std::string_view line = trim(lines_[i]);
        if (line.empty())
            continue;
        const std::string_view key = keyOf(line);
        if (!TextRules::equalsIgnoreCase(key, "system_name") &&
            !TextRules::equalsIgnoreCase(key, "passwd") &&
            !TextRules::equalsIgnoreCase(key, "sta_passwd"))
            return false;
    }
    return true;
}

std::vector<SettingsText::Record> SettingsText::records(std::size_t headingLine) const
{
    std::vector<Record> result(1);
    for (std::size_t i = headingLine + 1; i < sectionEnd(headingLine); ++i) {
        if (trim(lines_[i]) == "--")
            result.emplace_back();
        else if (!trim(lines_[i]).empty())
            result.back().push_back(lines_[i]);
    }
    if (result.back().empty())
        result.pop_back();
    return result;
}

void SettingsText::replaceRecords(std::size_t headingLine, const std::vector<Record>& records)
{
    const std::size_t end = sectionEnd(headingLine);
    std::size_t trailingEmpty = 0;
    while (end - trailingEmpty > headingLine + 1 && trim(lines_[end - trailingEmpty - 1]).empty())
        ++trailingEmpty;
    std::vector<std::string> body;
    for (std::size_t r = 0; r < records.size(); ++r) {
        if (r > 0)
            body.emplace_back("--");
        body.insert(body.end(), records[r].begin(), records[r].end());
    }
    body.insert(body.end(), trailingEmpty, std::string());
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(headingLine + 1),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(headingLine + 1), body.begin(),
                  body.end());
}

void SettingsText::merge(const SettingsText& partial)
{
    for (std::size_t i = 0; i < partial.lines_.size(); ++i) {
        const std::string name(headingName(partial.lines_[i]));
        if (name.empty() || TextRules::equalsIgnoreCase(name, "header"))
            continue;
        const std::vector<Record> changes = partial.records(i);
        std::size_t at = heading(name);
        if (at == lines_.size()) {
            if (!lines_.empty() && !trim(lines_.back()).empty())
                lines_.emplace_back();
            lines_.push_back(partial.lines_[i]);
            at = lines_.size() - 1;
        }
        std::vector<Record> mine = records(at);
        for (const Record& change : changes) {
            Record* target = nullptr;
            if (changes.size() == 1 && mine.size() <= 1) {
                if (mine.empty())
                    mine.emplace_back();
                target = &mine.front();
            } else {
                for (Record& record : mine)
                    if (!record.empty() && !change.empty() && sameLine(record[0], change[0]))
                        target = &record;
            }
            if (!target)
                continue;
            for (const std::string& line : change) {
                auto same = std::find_if(target->begin(), target->end(),
                                         [&](const std::string& l) { return sameKey(l, line); });
                if (same == target->end())
                    target->push_back(line);
                else
                    *same = std::string(keyOf(*same)) + "=" + line.substr(line.find('=') + 1);
            }
        }
        replaceRecords(at, mine);
    }
}

std::string SettingsText::text() const
{
    std::string out;
    for (const std::string& line : lines_)
        out.append(line).append("\r\n");
    return out;
}

std::string SettingsText::minimal(const std::string& systemName, const std::string& storedPassword,
                                  const std::string& maintenance)
{
    return "IP Intercom Configuration File\r\nZUN Corporation.\r\n\r\n[header]\r\nupdate=\r\nver="
           "\r\n\r\n[system]\r\nsystem_name=" +
           systemName + "\r\npasswd=" + storedPassword + "\r\nsta_passwd=" + maintenance + "\r\n";
}
