#include "ScanPrinter.h"

#include "ReportPrinter.h"
#include "ScanTableModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <array>

namespace {

// Each printed column is as wide as its sample text (or its heading), so every value fits.
constexpr std::array<const char*, 8> kSamples = {
    "000.",              // the line number
    "AA-AA-AA-AA-AA-AA", // MAC address
    "AR-0000/0MS",       // model
    "000.000.000.000",   // IP address
    "000.000.000.000",   // subnet mask
    "000.000.000.000",   // default gateway
    "00000",             // web port
    "AAAAAAAAAAAAAAAA",  // name
};

} // namespace

ScanPrinter::ScanPrinter(const ScanTableModel& model, bool japanese)
    : model_(model),
      fontFamily_(ReportPrinter::family(japanese))
{
}

int ScanPrinter::print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    QFont font(fontFamily_, 9);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const QRect page = painter.viewport();
    const int line = metrics.height() * 3 / 2;
    const int gap = metrics.horizontalAdvance(QStringLiteral("  "));

    std::array<int, kSamples.size()> left{};
    int x = 0;
    for (std::size_t i = 0; i < kSamples.size(); ++i) {
        left[i] = x;
        // A heading wider than its sample ("Web Port") widens the column.
        const QString heading =
            i == 0 ? QStringLiteral("No.")
                   : model_.headerData(int(i), Qt::Horizontal, Qt::DisplayRole).toString();
        x += std::max(metrics.horizontalAdvance(QString::fromLatin1(kSamples[i])),
                      metrics.horizontalAdvance(heading)) +
             gap;
    }
    // The widest line decides the scale, so the list fits the page's width.
    const double scale = x > page.width() ? double(page.width()) / x : 1.0;
    const auto column = [&](std::size_t i) { return int(left[i] * scale); };

    const int top = line * 3;
    const int bottom = page.height() - line * 2;
    const int perPage = std::max(1, (bottom - top) / line - 1);
    const int rows = model_.rowCount();
    const int pages = std::max(1, (rows + perPage - 1) / perPage);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        QFont title = font;
        title.setPointSize(12);
        title.setBold(true);
        painter.setFont(title);
        painter.drawText(QRect(0, 0, page.width(), line * 2), Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromLatin1(kTitle));
        painter.setFont(font);

        int y = top;
        painter.drawText(column(0), y, QStringLiteral("No."));
        for (int c = ScanTableModel::Mac; c < ScanTableModel::ColumnCount; ++c)
            painter.drawText(column(std::size_t(c)), y,
                             model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        painter.drawLine(0, y + line / 4, page.width(), y + line / 4);
        for (int r = p * perPage; r < std::min(rows, (p + 1) * perPage); ++r) {
            y += line;
            painter.drawText(column(0), y, QString::number(r + 1) + u'.');
            for (int c = ScanTableModel::Mac; c < ScanTableModel::ColumnCount; ++c)
                painter.drawText(column(std::size_t(c)), y,
                                 model_.data(model_.index(r, c), Qt::DisplayRole).toString());
        }
        painter.drawText(QRect(0, bottom, page.width(), line * 2),
                         Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("- %1 -").arg(p + 1));
    }
    painter.end();
    return pages;
}
