#include "Tool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The event loop that the unit scan's sockets and timers run on; printing also needs
    // fonts, which it takes without a display.
    std::unique_ptr<QCoreApplication> application;
    if (Tool::draws(args)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A failure is one line of r4000ctl's own; Qt's note on a missing runtime folder,
        // which a headless session lacks, is no failure.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (!text.startsWith(QLatin1String("QStandardPaths:")))
                std::cerr << qPrintable(text) << '\n';
        });
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    return Tool(std::cout, std::cerr).run(args);
}
