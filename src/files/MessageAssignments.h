#pragma once

#include "MessageListFile.h"

#include <string>
#include <vector>

class MessageCatalog;
class System;

// The IP master stations of a system and the message each is to be given: one row per
// registered unit that holds voice messages, in equipment order, each with the title of
// its message (empty for none) and whether it is ticked for the next transfer.
class MessageAssignments
{
public:
    struct Row {
        int unit = 0;
        std::string title;
        bool checked = false;
    };
    // A message to send: the unit, and the file of its message.
    struct Transfer {
        int unit = 0;
        std::string path;
    };

    explicit MessageAssignments(const System& system);

    const std::vector<Row>& rows() const { return rows_; }
    // The row of unit n; -1 when the unit has none.
    int rowOf(int unit) const;
    void setTitle(int row, const std::string& title);
    void setChecked(int row, bool checked);
    void clearChecks();

    // Takes the titles of msglist.csv's lines. A line for a unit without a row is left out;
    // true when one named a registered unit that holds no messages (the list then has to be
    // written again).
    bool apply(const std::vector<MessageListFile::Entry>& entries, const System& system);
    // The lines of msglist.csv: every row whose message the catalogue finds.
    std::vector<MessageListFile::Entry> entries(const MessageCatalog& catalog) const;
    // What a transfer sends: every ticked row whose message the catalogue finds.
    std::vector<Transfer> transfers(const MessageCatalog& catalog) const;

private:
    std::vector<Row> rows_;
};
