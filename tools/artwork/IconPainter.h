#pragma once

#include <QImage>
#include <QString>

// The program's icon: an intercom station front as the launcher's background draws one (a
// light metal panel, a speaker grille and a lit call button), square, at any size.
class IconPainter
{
public:
    // The sizes of the hicolor theme the desktop asks for, and the window's.
    static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

    static QImage draw(int size);
    // Writes "<size>.png" for every size into directory; false with error set when it cannot.
    static bool write(const QString& directory, QString* error);
};
