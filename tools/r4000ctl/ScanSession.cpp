#include "ScanSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// Room for the answers that come in right at the end of a reply time.
constexpr int kMarginMs = 500;
} // namespace

ScanSession::ScanSession(Scan::Options options) : scan_(std::move(options))
{
    scan_.addListener(this);
}

ScanSession::~ScanSession()
{
    scan_.removeListener(this);
}

bool ScanSession::waitFor(const std::function<bool()>& done, int ms)
{
    // The loop wakes up every 20 ms to look, and sleeps in between.
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(20);
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        loop.exec();
    return done();
}

int ScanSession::commandTime(const ScanElement& element, int oneInterfaceMs) const
{
    const int interfaces = element.localAddress.empty() && !scan_.options().allAtOnce
                               ? int(scan_.options().localAddresses().size())
                               : 1;
    return std::max(interfaces, 1) * oneInterfaceMs + kMarginMs;
}

bool ScanSession::scan()
{
    finished_ = false;
    if (!scan_.startScan())
        return false;
    waitFor([this] { return finished_; }, scan_.scanDuration() + kMarginMs);
    return true;
}

bool ScanSession::write(const ScanElement& element)
{
    writeAck_.reset();
    return scan_.writeUnit(element) && waitFor([&] { return writeAck_ == element.macAddress; },
                                               commandTime(element, scan_.writeTime()));
}

bool ScanSession::reset(const ScanElement& element)
{
    resetAck_.reset();
    return scan_.restartUnit(element) && waitFor([&] { return resetAck_ == element.macAddress; },
                                                 commandTime(element, scan_.resetTime()));
}
