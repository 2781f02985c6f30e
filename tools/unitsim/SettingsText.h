#pragma once

#include <string>
#include <string_view>
#include <vector>

// A unit settings file as the unit sees it: "[name]" headings, "key=value" lines, records of a
// table separated by "--", CR LF line ends. Section names and keys compare without regard to
// letter case.
//
// A partial file (a password change) holds only "[header]", "[system]" with system_name,
// passwd and maybe sta_passwd, and maybe "[msg_pag]"; it changes those values and nothing
// else. Any other file replaces the settings as a whole.
class SettingsText
{
public:
    explicit SettingsText(std::string_view text);

    bool hasSection(std::string_view name) const;
    // The value of the first key line in the section; false when there is none.
    bool value(std::string_view section, std::string_view key, std::string& out) const;
    bool isPartial() const;

    // Takes over every value of partial's sections but "[header]": a section of one record
    // into the one record here, table records into the record with the same first line.
    void merge(const SettingsText& partial);

    std::string text() const;

    // The file of a unit that never had settings uploaded.
    static std::string minimal(const std::string& systemName, const std::string& storedPassword,
                               const std::string& maintenance);

private:
    using Record = std::vector<std::string>;

    // Index of the heading line, or lines_.size().
    std::size_t heading(std::string_view name) const;
    // First line past the section that starts at the heading.
    std::size_t sectionEnd(std::size_t headingLine) const;
    std::vector<Record> records(std::size_t headingLine) const;
    void replaceRecords(std::size_t headingLine, const std::vector<Record>& records);

    std::vector<std::string> lines_;
};
