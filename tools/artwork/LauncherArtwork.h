#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class TextTable;

// The launcher's pictures, by their resource ids: the background and three pictures (normal,
// hover, pressed) for each button, captioned from the launcher form's texts.
class LauncherArtwork
{
public:
    // The one place the pictures' sizes are kept: the launcher puts the main buttons at
    // x = 336, y = 163 to 443 and the End button at (14, 438), and the background's drawing
    // keeps clear of both.
    static constexpr QSize kBackgroundSize{640, 480};
    static constexpr QSize kMainButtonSize{280, 44};
    static constexpr QSize kEndButtonSize{120, 32};
    // The panel behind the main buttons, a margin of 14 around them.
    static constexpr QRect kButtonPanel{322, 149, 308, 308};

    // dialogs holds the launcher form's captions ("162.<control>"), strings the title texts.
    LauncherArtwork(const TextTable& dialogs, const TextTable& strings)
        : dialogs_(dialogs), strings_(strings)
    {
    }

    // Writes "<id>.png" for every picture into directory; the Message button's pictures only
    // when withMessage. False with error set on a missing text or a file it cannot write.
    bool write(const QString& directory, bool withMessage, QString* error) const;

private:
    const TextTable& dialogs_;
    const TextTable& strings_;
};
