#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Turns the Qt event loop until done() or ms have passed; whether done() holds.
inline bool runUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Turns the Qt event loop for ms.
inline void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}
