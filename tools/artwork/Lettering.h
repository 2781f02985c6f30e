#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// The lettering of the launcher's pictures: one family list for every language, and captions
// shrunk, or broken onto two lines, until they fit their place.
class Lettering
{
public:
    // Families in order of preference for text. Each family supplies the glyphs the ones
    // before it lack, so a Korean or Japanese caption never shows empty boxes; a text with
    // Hangul puts the Korean families first, so its Latin letters match the Hangul ones, and
    // one with kana or kanji (and no Hangul) the Japanese families, so all its letters come
    // from one font.
    static QStringList families(const QString& text);
    static QFont font(qreal pixelSize, QFont::Weight weight, const QString& text = {});

    // Lays text out in box at the largest size, from largest down to smallest in whole pixels,
    // that fits: on one line while it stays readable, else on two lines broken at a space, else
    // on one line again down to smallest. Lines that fit nowhere are elided and elided is set.
    // A "\n" in text always breaks the line.
    Lettering(const QString& text, const QSizeF& box, qreal largest, qreal smallest,
              QFont::Weight weight);

    bool elided() const { return elided_; }
    // Draws the lines in rect with the painter's current pen.
    void draw(QPainter& painter, const QRectF& rect,
              Qt::Alignment alignment = Qt::AlignCenter) const;

private:
    QFont font_;
    QStringList lines_;
    bool elided_ = false;
};
