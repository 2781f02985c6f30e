#include "R4000App.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
