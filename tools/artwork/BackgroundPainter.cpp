#include "BackgroundPainter.h"

#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kWire(0x5f, 0xd6, 0xd0);
const QColor kInk(0x1b, 0x2c, 0x3c);

// A unit's housing: a light, softly shaded plate with a shadow below it.
void drawHousing(QPainter& painter, const QRectF& rect, qreal radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(rect.translated(2, 3), radius, radius);

    QLinearGradient body(rect.topLeft(), rect.bottomRight());
    body.setColorAt(0, QColor(0xf1, 0xf5, 0xf8));
    body.setColorAt(1, QColor(0xb4, 0xc3, 0xd0));
    painter.setBrush(body);
    painter.setPen(QPen(QColor(0x20, 0x36, 0x4a), 1));
    painter.drawRoundedRect(rect, radius, radius);
}

// A speaker grille: rows of small holes filling rect.
void drawGrille(QPainter& painter, const QRectF& rect, qreal pitch)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x33, 0x46, 0x58));
    for (qreal y = rect.top() + pitch / 2; y < rect.bottom(); y += pitch) {
        for (qreal x = rect.left() + pitch / 2; x < rect.right(); x += pitch)
            painter.drawEllipse(QPointF(x, y), pitch * 0.24, pitch * 0.24);
    }
}

void drawCallButton(QPainter& painter, const QPointF& centre, qreal radius)
{
    QRadialGradient glow(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    glow.setColorAt(0, QColor(0x9c, 0xf5, 0xee));
    glow.setColorAt(1, QColor(0x1f, 0x9e, 0x98));
    painter.setBrush(glow);
    painter.setPen(QPen(QColor(0x14, 0x5c, 0x5a), 1));
    painter.drawEllipse(centre, radius, radius);
}

void drawLens(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.setPen(QPen(QColor(0x5a, 0x6e, 0x80), 1.5));
    painter.setBrush(QColor(0x10, 0x1a, 0x24));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(centre + QPointF(-radius / 3, -radius / 3), radius / 3.5, radius / 3.5);
}

// The exchange: a rack unit whose line cards show their status lamps.
void drawExchange(QPainter& painter, const QRectF& rect)
{
    drawHousing(painter, rect, 6);
    const QRectF front = rect.adjusted(8, 18, -8, -10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(front, 3, 3);
    // The name strip on top of the housing.
    painter.setBrush(QColor(0x2a, 0x4a, 0x66));
    painter.drawRoundedRect(QRectF(rect.left() + 8, rect.top() + 6, rect.width() - 16, 6), 2, 2);

    const int cards = 5;
    const qreal pitch = (front.height() - 6) / cards;
    const QColor lamps[] = {QColor(0x6b, 0xf0, 0x8a), QColor(0x6b, 0xf0, 0x8a),
                            QColor(0xff, 0xc8, 0x57), QColor(0x6b, 0xf0, 0x8a),
                            QColor(0x5f, 0xd6, 0xd0)};
    for (int i = 0; i < cards; ++i) {
        const qreal y = front.top() + 3 + pitch * i;
        const QRectF card(front.left() + 4, y + 1, front.width() - 8, pitch - 3);
        painter.setBrush(QColor(0x2c, 0x41, 0x55));
        painter.drawRoundedRect(card, 1.5, 1.5);
        painter.setBrush(lamps[i]);
        painter.drawEllipse(QPointF(card.left() + 5, card.center().y()), 2, 2);
        // The card's ports.
        painter.setBrush(QColor(0x8a, 0xa0, 0xb3));
        for (int port = 0; port < 4; ++port) {
            painter.drawRect(QRectF(card.left() + 13 + port * 9, card.center().y() - 2, 6, 4));
        }
    }
}

// A desk master station: a handset cradle on the left, a screen and keys on the right.
void drawMasterStation(QPainter& painter, const QRectF& rect)
{
    drawHousing(painter, rect, 7);
    const QRectF handset(rect.left() + 5, rect.top() + 6, 14, rect.height() - 12);
    painter.setPen(QPen(QColor(0x20, 0x36, 0x4a), 1));
    painter.setBrush(QColor(0x3a, 0x50, 0x64));
    painter.drawRoundedRect(handset, 6, 6);

    const QRectF screen(rect.left() + 25, rect.top() + 6, rect.width() - 31, 17);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(0x2f, 0x8f, 0x9c));
    glass.setColorAt(1, QColor(0x0d, 0x3c, 0x48));
    painter.setBrush(glass);
    painter.drawRoundedRect(screen, 2, 2);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x45, 0x5a, 0x6d));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 4; ++col) {
            painter.drawRoundedRect(
                QRectF(screen.left() + col * 9, screen.bottom() + 5 + row * 7, 7, 4.5), 1, 1);
        }
    }
}

// A door station: a camera above a speaker grille and the call button.
void drawDoorStation(QPainter& painter, const QRectF& rect)
{
    drawHousing(painter, rect, 8);
    drawLens(painter, QPointF(rect.center().x(), rect.top() + 11), 5.5);
    drawGrille(painter, QRectF(rect.left() + 8, rect.top() + 21, rect.width() - 16, 20), 5);
    drawCallButton(painter, QPointF(rect.center().x(), rect.bottom() - 11), 5.5);
}

// A wall sub station: a round speaker grille and the call button.
void drawSubStation(QPainter& painter, const QRectF& rect)
{
    drawHousing(painter, rect, 7);
    const QPointF centre(rect.center().x(), rect.top() + rect.height() * 0.42);
    const qreal radius = rect.width() * 0.3;
    painter.setPen(QPen(QColor(0x8a, 0x9c, 0xad), 1));
    painter.setBrush(QColor(0xd5, 0xde, 0xe6));
    painter.drawEllipse(centre, radius + 2, radius + 2);
    QPainterPath round;
    round.addEllipse(centre, radius, radius);
    painter.save();
    painter.setClipPath(round);
    drawGrille(painter, QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2),
               4.5);
    painter.restore();
    drawCallButton(painter, QPointF(rect.center().x(), rect.bottom() - 9), 4.5);
}

// A network line with a soft glow, and a joint at each end.
void drawWire(QPainter& painter, const QPainterPath& path)
{
    painter.setBrush(Qt::NoBrush);
    QColor glow = kWire;
    glow.setAlpha(45);
    painter.setPen(QPen(glow, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(kWire, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWire);
    const int last = path.elementCount() - 1;
    painter.drawEllipse(QPointF(path.elementAt(0)), 3.5, 3.5);
    painter.drawEllipse(QPointF(path.elementAt(last)), 3.5, 3.5);
}

// An elbow from a port of the exchange, across to a station's column, then up or down to it.
QPainterPath elbow(QPointF from, QPointF to)
{
    const qreal bend = 8;
    const qreal across = to.x() > from.x() ? 1 : -1;
    const qreal upDown = to.y() > from.y() ? 1 : -1;
    QPainterPath path(from);
    path.lineTo(to.x() - across * bend, from.y());
    path.quadTo(QPointF(to.x(), from.y()), QPointF(to.x(), from.y() + upDown * bend));
    path.lineTo(to);
    return path;
}

void drawSystem(QPainter& painter, const QPointF& origin)
{
    painter.save();
    painter.translate(origin);

    // A soft light behind the system.
    QRadialGradient halo(QPointF(150, 130), 150);
    halo.setColorAt(0, QColor(0x5f, 0xd6, 0xd0, 50));
    halo.setColorAt(1, QColor(0x5f, 0xd6, 0xd0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(150, 130), 150, 150);

    const QRectF exchange(112, 60, 76, 128);
    const QRectF master(6, 0, 78, 52);
    const QRectF door(232, -6, 40, 66);
    const QRectF sub(18, 200, 48, 58);
    const QRectF door2(232, 196, 40, 66);

    drawWire(painter, elbow({exchange.left(), 96}, {master.center().x(), master.bottom()}));
    drawWire(painter, elbow({exchange.right(), 96}, {door.center().x(), door.bottom()}));
    drawWire(painter, elbow({exchange.left(), 152}, {sub.center().x(), sub.top()}));
    drawWire(painter, elbow({exchange.right(), 152}, {door2.center().x(), door2.top()}));

    drawExchange(painter, exchange);
    drawMasterStation(painter, master);
    drawDoorStation(painter, door);
    drawSubStation(painter, sub);
    drawDoorStation(painter, door2);
    painter.restore();
}

} // namespace

QImage BackgroundPainter::draw(const QString& title, const QString& subtitle) const
{
    QImage image(size_, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, size_.width(), size_.height());
    sky.setColorAt(0, QColor(0x09, 0x16, 0x2e));
    sky.setColorAt(0.55, QColor(0x0b, 0x30, 0x4d));
    sky.setColorAt(1, QColor(0x0d, 0x5a, 0x63));
    painter.fillRect(image.rect(), sky);

    // Faint rings spreading from the top right, like a signal.
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 6; ++ring) {
        painter.setPen(QPen(QColor(255, 255, 255, 12), 1));
        const qreal r = 70.0 * ring;
        painter.drawEllipse(QPointF(size_.width() + 20, -40), r, r);
    }

    // The product name, an accent rule, then the title and subtitle.
    const qreal left = 28;
    const qreal textWidth = size_.width() - 2 * left;
    painter.setPen(Qt::white);
    QFont name = Lettering::font(50, QFont::Bold);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(name);
    painter.drawText(QRectF(left, 16, textWidth, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("R-4000"));

    QLinearGradient accent(left, 0, left + 150, 0);
    accent.setColorAt(0, kWire);
    accent.setColorAt(1, QColor(0x5f, 0xd6, 0xd0, 0));
    painter.fillRect(QRectF(left + 2, 80, 150, 3), accent);

    const QRectF titleBox(left, 90, textWidth, 28);
    const Lettering titleText(title, titleBox.size(), 21, 12, QFont::Bold);
    painter.setPen(QColor(0xd6, 0xee, 0xf4));
    titleText.draw(painter, titleBox, Qt::AlignLeft | Qt::AlignVCenter);
    if (!subtitle.isEmpty() && subtitle != title) {
        const QRectF subtitleBox(left, 118, textWidth, 22);
        const Lettering subtitleText(subtitle, subtitleBox.size(), 15, 10, QFont::Normal);
        painter.setPen(QColor(0x93, 0xbf, 0xcc));
        subtitleText.draw(painter, subtitleBox, Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The panel the buttons sit on.
    painter.setPen(QPen(QColor(255, 255, 255, 34), 1));
    painter.setBrush(QColor(255, 255, 255, 16));
    painter.drawRoundedRect(QRectF(panel_).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);

    drawSystem(painter, QPointF(16, 170));
    return image;
}
