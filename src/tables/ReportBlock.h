#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One block of the configuration report as it flows from page to page: a section heading,
// a sub-section heading, a line of text, or a table with its heading row. A table too wide
// for the page is printed in bands of columns, each band repeating the key columns that
// name its rows.
struct ReportBlock {
    enum class Kind { Section, SubSection, Text, Table };

    Kind kind = Kind::Text;
    QString text;
    // A table's headings and rows; a column is as wide as the wider of its heading (in bold)
    // and its template.
    QStringList headings;
    QStringList templates;
    std::vector<QStringList> rows;
    int keyColumns = 0;
};
