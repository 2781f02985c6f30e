#include "MessageAssignments.h"

#include "Exchange.h"
#include "MessageCatalog.h"
#include "System.h"
#include "TextRules.h"

MessageAssignments::MessageAssignments(const System& system)
{
    for (int n = 1; n <= system.registeredCount(); ++n) {
        if (system.equipment(n)->acceptsMessages())
            rows_.push_back({n, {}, false});
    }
}

int MessageAssignments::rowOf(int unit) const
{
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].unit == unit)
            return int(row);
    }
    return -1;
}

void MessageAssignments::setTitle(int row, const std::string& title)
{
    rows_.at(std::size_t(row)).title = title;
}

void MessageAssignments::setChecked(int row, bool checked)
{
    rows_.at(std::size_t(row)).checked = checked;
}

void MessageAssignments::clearChecks()
{
    for (Row& row : rows_)
        row.checked = false;
}

bool MessageAssignments::apply(const std::vector<MessageListFile::Entry>& entries,
                               const System& system)
{
    bool changed = false;
    for (const MessageListFile::Entry& entry : entries) {
        unsigned long number = 0;
        if (!TextRules::parseNumber(entry.number, 0xffff, number) || number == 0 ||
            int(number) > system.registeredCount())
            continue;
        const int row = rowOf(int(number));
        if (row >= 0)
            rows_[std::size_t(row)].title = entry.title;
        else
            changed = true;
    }
    return changed;
}

std::vector<MessageListFile::Entry> MessageAssignments::entries(const MessageCatalog& catalog) const
{
    std::vector<MessageListFile::Entry> lines;
    for (const Row& row : rows_) {
        const std::string path = row.title.empty() ? std::string() : catalog.find(row.title);
        if (!path.empty())
            lines.push_back({std::to_string(row.unit), row.title, path});
    }
    return lines;
}

std::vector<MessageAssignments::Transfer>
MessageAssignments::transfers(const MessageCatalog& catalog) const
{
    std::vector<Transfer> sends;
    for (const Row& row : rows_) {
        const std::string path =
            row.checked && !row.title.empty() ? catalog.find(row.title) : std::string();
        if (!path.empty())
            sends.push_back({row.unit, path});
    }
    return sends;
}
