#pragma once

#include <QFont>
#include <QString>
#include <vector>

class ConfigReport;
class QPagedPaintDevice;
class QPainter;
class ResourceChain;
struct ReportBlock;

// Lays a report (the configuration report, or any list of blocks) out on pages and draws
// them: every page with its header (the report's title, the system's name, a rule) and its footer (a rule, "- n -"), the blocks
// flowing from page to page, a table that does not fit continuing on the next page at its
// next row under its heading row again. Where each page starts is recorded as the pages are
// laid out, so a range of pages prints exactly as those pages of a full print.
class ReportPrinter
{
public:
    // japanese: set in the face made for Japanese text.
    ReportPrinter(const ConfigReport& report, const ResourceChain& resources, bool japanese);
    // Any list of blocks under the same header: title on the left, subtitle on the right.
    ReportPrinter(const std::vector<ReportBlock>& blocks, QString title, QString subtitle,
                  const ResourceChain& resources, bool japanese);

    // Pages from..to (1-based; to 0: to the end) on device, one after the other; the pages
    // before from are laid out but not drawn. The number of pages printed: 0, with nothing
    // sent to the device, when the report ends before from; -1 when the device cannot be
    // printed on.
    int print(QPagedPaintDevice& device, int from = 1, int to = 0);
    // How many pages the report takes on device.
    int pageCount(QPagedPaintDevice& device);

    // The faces the report is set in: metric twins of the faces it was made for.
    static QString family(bool japanese);

private:
    // Where a page starts: the block, the band of a wide table's columns, its next row.
    struct Position {
        int block = 0;
        int band = 0;
        int row = 0;
    };
    struct Band {
        std::vector<int> columns;
        std::vector<double> widths;
    };

    // Lays out (and with a painter draws) the page starting at start; the next page's start,
    // or nothing more to print when the report ended on this page.
    bool layOutPage(QPagedPaintDevice& device, QPainter* painter, int number, Position& start);
    std::vector<Band> bandsOf(const ReportBlock& table, double width,
                              QPagedPaintDevice& device) const;

    const std::vector<ReportBlock>& blocks_;
    QString title_;
    QString subtitle_;
    const ResourceChain& resources_;
    QFont base_;
    QFont bold_;
    std::vector<Position> starts_;
};
