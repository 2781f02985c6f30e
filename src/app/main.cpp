#include "AppVersion.h"
#include "R4000App.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: R4000 [-LANGUAGE]\n"
    "\n"
    "The setting and maintenance tool of an R-4000 intercom system (a window).\n"
    "\n"
    "  -LANGUAGE   the language of the window, e.g. -ja or -ko; without it the first\n"
    "              two letters of LC_ALL, LC_MESSAGES or LANG, else English\n"
    "  -h, --help  this help\n"
    "  --version   the version of R4000\n"
    "\n"
    "The systems are kept in $R4000_DATA_DIR, else $XDG_DATA_HOME/ZUN/R-4000 or\n"
    "~/.local/share/ZUN/R-4000. For scripts, see r4000ctl --help.\n";

} // namespace

int main(int argc, char* argv[])
{
    // Answered without a window, and without a display.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("R4000 " R4000_PRODUCT_VERSION);
            return 0;
        }
    }
    QApplication application(argc, argv);
    R4000App::Options options;
    options.arguments = QApplication::arguments().mid(1);
    // The language libraries are built and installed beside the program.
    options.libraryDirectory = QApplication::applicationDirPath().toStdString();
    R4000App program(std::move(options));
    if (!program.initInstance())
        return 0;
    return application.exec();
}
