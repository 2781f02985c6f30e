#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Draws a launcher button: a rounded, softly shaded plate with its caption centred, on a
// transparent ground so the background shows at the corners.
class ButtonPainter
{
public:
    enum class State { Normal, Hover, Pressed };
    // The main buttons are blue; End, which closes the launcher, is a quieter slate.
    enum class Tone { Main, End };

    ButtonPainter(QSize size, Tone tone) : size_(size), tone_(tone) {}

    // The picture of one state; elided is set when the caption had to be shortened.
    QImage draw(const QString& caption, State state, bool* elided) const;

private:
    QSize size_;
    Tone tone_;
};
