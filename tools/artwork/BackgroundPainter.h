#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Draws the launcher's background: the product name and the application's title at the top
// left, a drawing of an intercom system (an exchange wired to its stations) on the left, and
// a quiet panel on the right behind the launcher's buttons.
class BackgroundPainter
{
public:
    // panel is where the buttons sit; the painter keeps its drawing out of it.
    BackgroundPainter(QSize size, QRect panel) : size_(size), panel_(panel) {}

    // subtitle is left out when it is empty or repeats the title.
    QImage draw(const QString& title, const QString& subtitle) const;

private:
    QSize size_;
    QRect panel_;
};
