#include "LauncherArtwork.h"

#include "BackgroundPainter.h"
#include "ButtonPainter.h"
#include "TextTable.h"

#include <QDir>
#include <QImage>
#include <cstdio>
#include <utility>

namespace {

// A launcher button: its control on the launcher form and the ids of its three pictures.
struct Button {
    int control;
    int normal;
    int hover;
    int pressed;
    bool message; // drawn only for languages whose launcher offers the Message Tool
    bool end;
};

constexpr Button kButtons[] = {
    {1006, 149, 152, 153, false, false}, // Unit Scan and Network Settings
    {1000, 159, 158, 157, false, false}, // System Settings
    {1034, 210, 211, 212, true, false},  // Message
    {1005, 164, 165, 166, false, false}, // Password change
    {1035, 154, 155, 156, false, false}, // Clock Setting
    {1001, 148, 150, 151, false, true},  // End
};

constexpr int kBackground = 147;
constexpr int kLauncherForm = 162;
constexpr int kTitleString = 57344;
// The first field of the application's document-template string names the application.
constexpr int kSubtitleString = 128;

bool save(const QImage& image, const QString& directory, int id, QString* error)
{
    const QString path = QDir(directory).filePath(QString::number(id) + QStringLiteral(".png"));
    if (image.save(path, "PNG"))
        return true;
    *error = QStringLiteral("cannot write ") + path;
    return false;
}

} // namespace

bool LauncherArtwork::write(const QString& directory, bool withMessage, QString* error) const
{
    if (!QDir().mkpath(directory)) {
        *error = QStringLiteral("cannot create ") + directory;
        return false;
    }

    const QString title = QString::number(kTitleString);
    if (!strings_.contains(title)) {
        *error = QStringLiteral("no string ") + title + QStringLiteral(" (the title)");
        return false;
    }
    const BackgroundPainter background(kBackgroundSize, kButtonPanel);
    const QString subtitle = strings_.field(QString::number(kSubtitleString), 0);
    if (!save(background.draw(strings_.text(title), subtitle), directory, kBackground, error))
        return false;

    for (const Button& button : kButtons) {
        if (button.message && !withMessage)
            continue;
        const QString key = QStringLiteral("%1.%2").arg(kLauncherForm).arg(button.control);
        if (!dialogs_.contains(key)) {
            *error = QStringLiteral("no dialog text ") + key + QStringLiteral(" (a caption)");
            return false;
        }
        const QString caption = dialogs_.text(key);
        const ButtonPainter painter(button.end ? kEndButtonSize : kMainButtonSize,
                                    button.end ? ButtonPainter::Tone::End
                                               : ButtonPainter::Tone::Main);
        const std::pair<ButtonPainter::State, int> states[] = {
            {ButtonPainter::State::Normal, button.normal},
            {ButtonPainter::State::Hover, button.hover},
            {ButtonPainter::State::Pressed, button.pressed},
        };
        bool elided = false;
        for (const auto& [state, id] : states) {
            if (!save(painter.draw(caption, state, &elided), directory, id, error))
                return false;
        }
        if (elided) {
            std::fprintf(stderr, "r4000_artwork: warning: caption %s shortened to fit: %s\n",
                         qPrintable(key), qPrintable(caption));
        }
    }
    return true;
}
