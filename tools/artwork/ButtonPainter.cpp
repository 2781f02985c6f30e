#include "ButtonPainter.h"

#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Shades {
    QColor top, bottom, border, highlight;
};

// Hover lightens the plate and its rim; pressed darkens it and drops the top highlight, so
// the three states read apart even at a glance.
Shades shades(ButtonPainter::Tone tone, ButtonPainter::State state)
{
    using State = ButtonPainter::State;
    const bool main = tone == ButtonPainter::Tone::Main;
    switch (state) {
    case State::Hover:
        return main ? Shades{QColor(0x5b, 0xa6, 0xdc), QColor(0x2f, 0x78, 0xb0),
                             QColor(0xb8, 0xe0, 0xff), QColor(255, 255, 255, 110)}
                    : Shades{QColor(0x8a, 0x9b, 0xad), QColor(0x5a, 0x6a, 0x7b),
                             QColor(0xd4, 0xdf, 0xea), QColor(255, 255, 255, 100)};
    case State::Pressed:
        return main ? Shades{QColor(0x16, 0x3f, 0x62), QColor(0x1f, 0x52, 0x7c),
                             QColor(0x0c, 0x2a, 0x44), QColor(0, 0, 0, 0)}
                    : Shades{QColor(0x33, 0x3f, 0x4b), QColor(0x42, 0x4f, 0x5c),
                             QColor(0x1e, 0x27, 0x30), QColor(0, 0, 0, 0)};
    case State::Normal:
        break;
    }
    return main ? Shades{QColor(0x3b, 0x82, 0xbb), QColor(0x22, 0x5a, 0x8a),
                         QColor(0x7d, 0xb6, 0xe3), QColor(255, 255, 255, 70)}
                : Shades{QColor(0x6b, 0x7b, 0x8c), QColor(0x45, 0x52, 0x60),
                         QColor(0xa9, 0xb6, 0xc3), QColor(255, 255, 255, 60)};
}

} // namespace

QImage ButtonPainter::draw(const QString& caption, State state, bool* elided) const
{
    QImage image(size_, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const Shades shade = shades(tone_, state);
    const bool pressed = state == State::Pressed;
    const qreal radius = size_.height() * 0.22;
    // The plate leaves its bottom row to a shadow; pressed, it sinks one pixel onto it.
    const QRectF plate =
        QRectF(0.5, 0.5, size_.width() - 1.0, size_.height() - 2.0).translated(0, pressed ? 1 : 0);

    if (!pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(plate.translated(0, 1), radius, radius);
    }

    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, shade.top);
    fill.setColorAt(1, shade.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(shade.border, 1));
    painter.drawRoundedRect(plate, radius, radius);

    if (shade.highlight.alpha() > 0) {
        // A thin rim of light just inside the border, brightest along the top.
        QPainterPath inner;
        inner.addRoundedRect(plate.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
        painter.setClipPath(inner);
        painter.setPen(QPen(shade.highlight, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plate.adjusted(1, 1, -1, 0), radius - 1, radius - 1);
        painter.setClipping(false);
    }

    const qreal margin = size_.height() * 0.3;
    const QRectF textBox = plate.adjusted(margin, 3, -margin, -3).translated(pressed ? 1 : 0, 0);
    const qreal largest = size_.height() * 0.4;
    const Lettering lettering(caption, textBox.size(), largest, 9, QFont::Bold);
    *elided = lettering.elided();

    painter.setPen(QColor(0, 0, 0, pressed ? 60 : 110));
    lettering.draw(painter, textBox.translated(0, 1));
    painter.setPen(pressed ? QColor(0xdd, 0xe8, 0xf2) : QColor(Qt::white));
    lettering.draw(painter, textBox);
    return image;
}
