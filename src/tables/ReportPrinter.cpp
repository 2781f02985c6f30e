#include "ReportPrinter.h"

#include "ConfigReport.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// The faces the report was made for have free metric twins: Wine's Tahoma, and IPA's
// proportional Gothic for MS UI Gothic.
const QString kLatinFace = QStringLiteral("Tahoma");
const QString kJapaneseFace = QStringLiteral("IPAPGothic");
const char* const kLatinFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                   "/usr/share/wine/fonts/tahomabd.ttf"};

const QColor kHeaderFill(240, 240, 240);

// Room around the text in a cell, in parts of the line height.
constexpr double kPadding = 0.3;

void installLatinFace()
{
    if (QFontDatabase::hasFamily(kLatinFace))
        return;
    for (const char* file : kLatinFiles)
        if (QFileInfo::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

} // namespace

ReportPrinter::ReportPrinter(const ConfigReport& report, const ResourceChain& resources,
                             bool japanese)
    : ReportPrinter(report.blocks(), resources.string(StringId::ReportTitle),
                    ResourceChain::substitute(resources.string(StringId::ReportSystemName),
                                              {report.systemName()}),
                    resources, japanese)
{
}

ReportPrinter::ReportPrinter(const std::vector<ReportBlock>& blocks, QString title,
                             QString subtitle, const ResourceChain& resources, bool japanese)
    : blocks_(blocks),
      title_(std::move(title)),
      subtitle_(std::move(subtitle)),
      resources_(resources),
      base_(family(japanese))
{
    base_.setPointSizeF(japanese ? 8 : 7);
    bold_ = base_;
    bold_.setWeight(QFont::Bold);
}

QString ReportPrinter::family(bool japanese)
{
    if (japanese)
        return kJapaneseFace;
    installLatinFace();
    return kLatinFace;
}

int ReportPrinter::pageCount(QPagedPaintDevice& device)
{
    starts_.assign(1, Position{});
    Position next;
    int pages = 1;
    while (layOutPage(device, nullptr, pages, next)) {
        starts_.push_back(next);
        ++pages;
    }
    return pages;
}

int ReportPrinter::print(QPagedPaintDevice& device, int from, int to)
{
    const int pages = pageCount(device);
    from = std::max(from, 1);
    if (from > pages)
        return 0;
    const int last = to <= 0 ? pages : std::min(to, pages);
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    for (int number = from; number <= last; ++number) {
        if (number > from)
            device.newPage();
        Position start = starts_[std::size_t(number - 1)];
        layOutPage(device, &painter, number, start);
    }
    // The device takes the pages only when the painter ends.
    return painter.end() ? last - from + 1 : -1;
}

std::vector<ReportPrinter::Band> ReportPrinter::bandsOf(const ReportBlock& table, double width,
                                                        QPagedPaintDevice& device) const
{
    const QFontMetricsF baseMetrics(base_, &device);
    const QFontMetricsF boldMetrics(bold_, &device);
    // Both sides' room, and a point to spare for rounding.
    const double padding = 2 * kPadding * baseMetrics.height() + 1.0;
    std::vector<double> widths;
    for (int column = 0; column < table.headings.size(); ++column)
        widths.push_back(std::max(boldMetrics.horizontalAdvance(table.headings[column]),
                                  baseMetrics.horizontalAdvance(table.templates.value(column))) +
                         padding);
    const int keys = std::min<int>(table.keyColumns, int(widths.size()));
    double keyWidth = 0;
    for (int column = 0; column < keys; ++column)
        keyWidth += widths[std::size_t(column)];

    // The key columns, then as many more as the page is wide; always at least one more.
    std::vector<Band> bands;
    int next = keys;
    do {
        Band band;
        double used = keyWidth;
        for (int column = 0; column < keys; ++column) {
            band.columns.push_back(column);
            band.widths.push_back(widths[std::size_t(column)]);
        }
        while (next < int(widths.size()) && (band.columns.size() == std::size_t(keys) ||
                                             used + widths[std::size_t(next)] <= width)) {
            used += widths[std::size_t(next)];
            band.columns.push_back(next);
            band.widths.push_back(widths[std::size_t(next)]);
            ++next;
        }
        // Nothing fits beside the keys: the widest columns are cut to the page.
        const double scale = used > width ? width / used : 1.0;
        for (double& each : band.widths)
            each *= scale;
        bands.push_back(std::move(band));
    } while (next < int(widths.size()));
    return bands;
}

bool ReportPrinter::layOutPage(QPagedPaintDevice& device, QPainter* painter, int number,
                               Position& at)
{
    const QFontMetricsF metrics(base_, &device);
    const double line = metrics.height() * 1.5;
    const double rule = std::max(1.0, device.logicalDpiY() / 150.0);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    const double bottom = page.height() - 2 * line;
    const QPen thin(Qt::black, rule);
    const QPen thick(Qt::black, 2 * rule);

    if (painter) {
        painter->setPen(thin);
        painter->setFont(base_);
        const QRectF head(0, 0, page.width(), line);
        painter->drawText(head, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          title_);
        painter->drawText(head, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                          subtitle_);
        painter->drawLine(QPointF(0, line), QPointF(page.width(), line));
        painter->drawLine(QPointF(0, page.height() - line),
                          QPointF(page.width(), page.height() - line));
        painter->drawText(QRectF(0, page.height() - line, page.width(), line),
                          Qt::AlignCenter | Qt::TextSingleLine,
                          resources_.string(StringId::ReportPage).arg(number));
    }

    double y = 1.5 * line;
    const std::vector<ReportBlock>& blocks = blocks_;
    // A heading or a row needs two lines left on the page, else the page ends before it.
    // Until a page holds a heading or a row it takes one whatever the room, so every page,
    // however short, moves the report on.
    bool placed = false;
    const auto room = [&] { return !placed || y + 2 * line <= bottom; };
    while (at.block < int(blocks.size())) {
        const ReportBlock& block = blocks[std::size_t(at.block)];
        if (block.kind != ReportBlock::Kind::Table) {
            if (!room())
                return true;
            if (block.kind == ReportBlock::Kind::Section)
                y += line / 2;
            if (painter) {
                painter->setFont(block.kind == ReportBlock::Kind::Text ? base_ : bold_);
                painter->drawText(QRectF(0, y, page.width(), line),
                                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                                  block.text);
            }
            y += line;
            placed = true;
            ++at.block;
            continue;
        }

        const std::vector<Band> bands = bandsOf(block, page.width(), device);
        const double padding = kPadding * metrics.height();
        while (at.band < int(bands.size())) {
            const Band& band = bands[std::size_t(at.band)];
            // A heading row goes with its first row.
            if (placed && (!room() || (at.row < int(block.rows.size()) && y + 3 * line > bottom)))
                return true;
            const double top = y;
            double x = 0;
            const auto cells = [&](const QStringList& texts, bool heading) {
                x = 0;
                for (std::size_t i = 0; i < band.columns.size(); ++i) {
                    const QRectF cell(x, y, band.widths[i], line);
                    if (heading)
                        painter->fillRect(cell, kHeaderFill);
                    const QFontMetricsF shown(heading ? bold_ : base_, painter->device());
                    const QString text = shown.elidedText(
                        texts.value(band.columns[i]), Qt::ElideRight, cell.width() - 2 * padding);
                    painter->setFont(heading ? bold_ : base_);
                    painter->drawText(cell.adjusted(padding, 0, -padding, 0),
                                      (heading ? Qt::AlignHCenter : Qt::AlignLeft) |
                                          Qt::AlignVCenter | Qt::TextSingleLine,
                                      text);
                    x += band.widths[i];
                    if (i + 1 < band.columns.size())
                        painter->drawLine(QPointF(x, y), QPointF(x, y + line));
                }
                painter->drawLine(QPointF(0, y + line), QPointF(x, y + line));
            };
            const auto frame = [&] {
                if (!painter)
                    return;
                double width = 0;
                for (double each : band.widths)
                    width += each;
                painter->setPen(thick);
                painter->drawRect(QRectF(0, top, width, y - top));
                painter->setPen(thin);
            };
            if (painter)
                cells(block.headings, true);
            y += line;
            while (at.row < int(block.rows.size())) {
                if (!room()) {
                    frame();
                    return true;
                }
                if (painter)
                    cells(block.rows[std::size_t(at.row)], false);
                y += line;
                placed = true;
                ++at.row;
            }
            frame();
            y += line / 2;
            ++at.band;
            at.row = 0;
        }
        ++at.block;
        at.band = 0;
    }
    return false;
}
