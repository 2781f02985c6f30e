// r4000_artwork: draws the launcher's pictures into a folder, for the build to embed them in a
// language's resources. The texts come from the resource tables; later files replace earlier
// ones key by key, so the English tables go first and the language's own after them. With
// --icon it draws the program's icon at every size instead.

#include "IconPainter.h"
#include "LauncherArtwork.h"
#include "TextTable.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool readAll(TextTable& table, const QStringList& paths, QString* error)
{
    for (const QString& path : paths) {
        if (!table.read(path, error))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no display; the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the R-4000 launcher's pictures."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("Folder the <id>.png files are written to."),
                                 QStringLiteral("dir"));
    const QCommandLineOption dialogs(QStringLiteral("dialogs"),
                                     QStringLiteral("A dialog text table; may repeat."),
                                     QStringLiteral("file"));
    const QCommandLineOption strings(QStringLiteral("strings"),
                                     QStringLiteral("A string table; may repeat."),
                                     QStringLiteral("file"));
    const QCommandLineOption withMessage(QStringLiteral("with-message"),
                                         QStringLiteral("Also draw the Message button."));
    const QCommandLineOption icon(QStringLiteral("icon"),
                                  QStringLiteral("Draw the program's icon, <size>.png each."));
    parser.addOptions({out, dialogs, strings, withMessage, icon});
    parser.process(app);

    QString error;
    if (parser.isSet(icon)) {
        if (!parser.isSet(out) || !parser.positionalArguments().isEmpty()) {
            std::fprintf(stderr, "r4000_artwork: usage: r4000_artwork --icon --out DIR\n");
            return 2;
        }
        if (!IconPainter::write(parser.value(out), &error)) {
            std::fprintf(stderr, "r4000_artwork: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    if (!parser.isSet(out) || !parser.isSet(dialogs) || !parser.isSet(strings) ||
        !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "r4000_artwork: usage: r4000_artwork --out DIR --dialogs FILE... "
                             "--strings FILE... [--with-message]\n");
        return 2;
    }

    TextTable dialogTable;
    TextTable stringTable;
    if (!readAll(dialogTable, parser.values(dialogs), &error) ||
        !readAll(stringTable, parser.values(strings), &error) ||
        !LauncherArtwork(dialogTable, stringTable)
             .write(parser.value(out), parser.isSet(withMessage), &error)) {
        std::fprintf(stderr, "r4000_artwork: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
