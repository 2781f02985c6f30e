#include "Lettering.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <initializer_list>

namespace {

// Below this size a caption reads better on two lines than on one.
constexpr qreal kReadable = 12;

// text on two lines, broken at the space nearest its middle; empty when it has no space.
QStringList twoLines(const QString& text)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' &&
            (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2)))
            best = i;
    }
    if (best <= 0)
        return {};
    return {text.left(best).trimmed(), text.mid(best + 1).trimmed()};
}

} // namespace

QStringList Lettering::families(const QString& text)
{
    const QStringList latin{QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList korean{QStringLiteral("NanumGothic"), QStringLiteral("NanumBarunGothic"),
                             QStringLiteral("Noto Sans CJK KR")};
    // The Korean families carry kana and the older kanji too, but not the ones Japanese writes
    // in their shortened forms (検, 録, 変), which would come from yet another font.
    const QStringList japanese{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                               QStringLiteral("Noto Sans CJK JP")};
    const auto uses = [&](std::initializer_list<QChar::Script> scripts) {
        return std::any_of(text.begin(), text.end(), [&](QChar c) {
            return std::find(scripts.begin(), scripts.end(), c.script()) != scripts.end();
        });
    };
    QStringList order;
    if (uses({QChar::Script_Hangul}))
        order = korean + latin + japanese;
    else if (uses({QChar::Script_Hiragana, QChar::Script_Katakana, QChar::Script_Han}))
        order = japanese + latin + korean;
    else
        order = latin + korean + japanese;
    return order << QStringLiteral("sans-serif");
}

QFont Lettering::font(qreal pixelSize, QFont::Weight weight, const QString& text)
{
    QFont font;
    font.setFamilies(families(text));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Lettering::Lettering(const QString& text, const QSizeF& box, qreal largest, qreal smallest,
                     QFont::Weight weight)
{
    auto fit = [&](const QStringList& lines, qreal from, qreal to) {
        for (qreal size = from; size >= to && !lines.isEmpty(); size -= 1) {
            const QFont candidate = font(size, weight, text);
            const QFontMetricsF metrics(candidate);
            bool fits =
                metrics.height() + metrics.lineSpacing() * (lines.size() - 1) <= box.height();
            for (const QString& line : lines)
                fits = fits && metrics.horizontalAdvance(line) <= box.width();
            if (fits) {
                font_ = candidate;
                lines_ = lines;
                return true;
            }
        }
        return false;
    };
    // One line while it stays readable, else two lines, else one line down to the smallest.
    const QStringList given = text.split(u'\n');
    if (fit(given, largest, qMax(smallest, kReadable)) ||
        (given.size() == 1 && fit(twoLines(text), largest, smallest)) ||
        fit(given, qMin(largest, kReadable - 1), smallest))
        return;

    font_ = font(smallest, weight, text);
    lines_ = given;
    const QFontMetricsF metrics(font_);
    for (QString& line : lines_) {
        const QString shortened = metrics.elidedText(line, Qt::ElideRight, box.width());
        elided_ = elided_ || shortened != line;
        line = shortened;
    }
}

void Lettering::draw(QPainter& painter, const QRectF& rect, Qt::Alignment alignment) const
{
    painter.setFont(font_);
    painter.drawText(rect, alignment, lines_.join(u'\n'));
}
