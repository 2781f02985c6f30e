#include "Tool.h"

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The event loop that the unit scan's sockets and timers run on.
    QCoreApplication application(argc, argv);
    return Tool(std::cout, std::cerr).run(args);
}
