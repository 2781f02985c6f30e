#pragma once

#include <QString>

class QPrinter;
class ScanTableModel;

// Prints the scan tool's list: the title at the top of every page, a heading row, one
// numbered line per listed unit with its columns, and the page number at the bottom.
class ScanPrinter
{
public:
    // japanese: the list is printed in the font made for Japanese text.
    ScanPrinter(const ScanTableModel& model, bool japanese);

    // Prints every page; the number of pages printed.
    int print(QPrinter& printer) const;

    static constexpr const char* kTitle = "ZUN LinkTalk R-4000 Series";

private:
    const ScanTableModel& model_;
    QString fontFamily_;
};
