#include "IconPainter.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

QImage IconPainter::draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64-unit square; the smallest sizes keep whole, crisp shapes.
    painter.scale(size / 64.0, size / 64.0);

    // The panel: brushed light metal with a dark edge, as the launcher's station.
    const QRectF panel(8, 2, 48, 60);
    QLinearGradient metal(panel.topLeft(), panel.bottomRight());
    metal.setColorAt(0, QColor(0xf1, 0xf5, 0xf8));
    metal.setColorAt(1, QColor(0xb4, 0xc3, 0xd0));
    painter.setPen(QPen(QColor(0x20, 0x36, 0x4a), size <= 24 ? 3.0 : 2.0));
    painter.setBrush(metal);
    painter.drawRoundedRect(panel, 9, 9);

    // The speaker grille: a dark disc with rows of holes, fewer and larger when small.
    const QPointF centre(32, 25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x33, 0x46, 0x58));
    painter.drawEllipse(centre, 17, 17);
    const int rows = size <= 24 ? 3 : 5;
    const double pitch = 26.0 / rows;
    const double hole = size <= 24 ? 2.6 : 1.7;
    painter.setBrush(QColor(0xc8, 0xd4, 0xde));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < rows; ++column) {
            const QPointF at(centre.x() + (column - (rows - 1) / 2.0) * pitch,
                             centre.y() + (row - (rows - 1) / 2.0) * pitch);
            if (std::hypot(at.x() - centre.x(), at.y() - centre.y()) <= 13.5)
                painter.drawEllipse(at, hole, hole);
        }
    }

    // The call button, lit.
    const QPointF button(32, 51);
    QRadialGradient glow(button, 7);
    glow.setColorAt(0, QColor(0x9c, 0xf5, 0xee));
    glow.setColorAt(1, QColor(0x1f, 0x9e, 0x98));
    painter.setPen(QPen(QColor(0x14, 0x5c, 0x5a), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(button, 6.5, 6.5);
    painter.end();
    return image;
}

bool IconPainter::write(const QString& directory, QString* error)
{
    if (!QDir().mkpath(directory)) {
        *error = QStringLiteral("cannot create %1").arg(directory);
        return false;
    }
    for (const int size : kSizes) {
        const QString path = QStringLiteral("%1/%2.png").arg(directory).arg(size);
        if (!draw(size).save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}
