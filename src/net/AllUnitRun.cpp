#include "AllUnitRun.h"

#include "Exchange.h"
#include "System.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

AllUnitRun::AllUnitRun(System& system, Job job, FailureFormat format)
    : AllUnitRun(system, everyUnit(system), std::move(job), format)
{
}

AllUnitRun::AllUnitRun(System& system, std::vector<int> units, Job job, FailureFormat format,
                       Pace pace)
    : system_(system), units_(std::move(units)), job_(std::move(job)), format_(format), pace_(pace)
{
}

AllUnitRun::~AllUnitRun()
{
    for (std::thread& worker : workers_) {
        if (worker.joinable())
            worker.join();
    }
}

std::vector<int> AllUnitRun::everyUnit(const System& system)
{
    std::vector<int> units;
    for (int n = 1; n <= system.registeredCount(); ++n)
        units.push_back(n);
    return units;
}

std::string AllUnitRun::failureLine(const Exchange& unit, FailureFormat format)
{
    return "\n" + unit.exchangeName() + (format == FailureFormat::WithBlank ? " (id=" : "(id=") +
           std::to_string(unit.exchangeNumber()) + " ," + unit.targetAddressText() + ")";
}

void AllUnitRun::runUnit(std::size_t index)
{
    const auto started = std::chrono::steady_clock::now();
    UnitFailure::Scope scope;
    const bool ok = job_(*system_.equipment(units_[index]));
    succeeded_[index] = ok ? 1 : 0;
    if (!ok)
        reasons_[index] = scope.failure();
    elapsedMs_[index] = long(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - started)
                                 .count());
    {
        const std::lock_guard<std::mutex> lock(endedMutex_);
        ended_.push_back(index);
    }
    endedSignal_.notify_one();
    --running_;
}

void AllUnitRun::skipUnit(std::size_t index, int failedUnit)
{
    succeeded_[index] = 0;
    reasons_[index] = {UnitFailure::Reason::Other,
                       "not tried: unit " + std::to_string(failedUnit) + " failed before it"};
    {
        const std::lock_guard<std::mutex> lock(endedMutex_);
        ended_.push_back(index);
    }
    endedSignal_.notify_one();
    --running_;
}

void AllUnitRun::start()
{
    succeeded_.assign(units_.size(), 0);
    reasons_.assign(units_.size(), UnitFailure());
    elapsedMs_.assign(units_.size(), 0);
    ended_.clear();
    told_ = 0;
    running_ = int(units_.size());
    if (units_.empty())
        return;
    if (pace_ == Pace::OneAtATime) {
        workers_.emplace_back([this] {
            for (std::size_t i = 0; i < units_.size(); ++i) {
                if (i == 0 || succeeded_[i - 1])
                    runUnit(i);
                else
                    skipUnit(i, units_[i - 1]);
            }
        });
        return;
    }
    workers_.reserve(units_.size());
    for (std::size_t i = 0; i < units_.size(); ++i)
        workers_.emplace_back([this, i] { runUnit(i); });
}

bool AllUnitRun::tellEnded(Listener* listener)
{
    std::vector<std::size_t> ended;
    {
        const std::lock_guard<std::mutex> lock(endedMutex_);
        ended.swap(ended_);
    }
    told_ += ended.size();
    for (const std::size_t i : ended) {
        if (listener)
            listener->unitEnded(*system_.equipment(units_[i]), succeeded_[i] != 0, reasons_[i],
                                elapsedMs_[i]);
    }
    return !ended.empty();
}

void AllUnitRun::wait(Listener* listener)
{
    while (told_ < units_.size()) {
        {
            std::unique_lock<std::mutex> lock(endedMutex_);
            endedSignal_.wait_for(lock, std::chrono::seconds(1),
                                  [this] { return !ended_.empty(); });
        }
        if (!tellEnded(listener) && listener)
            listener->stillRunning();
    }
    for (std::thread& worker : workers_)
        worker.join();
    collect();
}

void AllUnitRun::waitProcessingEvents(Listener* listener)
{
    // A worker that needs the user (the login prompt) is answered by these events.
    auto lastTick = std::chrono::steady_clock::now();
    while (running_ > 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
        const auto now = std::chrono::steady_clock::now();
        if (tellEnded(listener)) {
            lastTick = now;
        } else if (listener && now - lastTick >= std::chrono::seconds(1)) {
            lastTick = now;
            listener->stillRunning();
        }
    }
    wait(listener);
}

void AllUnitRun::run(const Waiting& waiting)
{
    start();
    if (waiting.mode == WaitMode::ProcessingEvents)
        waitProcessingEvents(waiting.listener);
    else
        wait(waiting.listener);
}

AllUnitRun::Report AllUnitRun::runAll(System& system, Job job, const Waiting& waiting,
                                      FailureFormat format)
{
    AllUnitRun run(system, std::move(job), format);
    run.run(waiting);
    return run.report();
}

AllUnitRun::Report AllUnitRun::runOn(System& system, std::vector<int> units, Job job,
                                     const Waiting& waiting, Pace pace)
{
    AllUnitRun run(system, std::move(units), std::move(job), FailureFormat::WithBlank, pace);
    run.run(waiting);
    return run.report();
}

void AllUnitRun::collect()
{
    workers_.clear();
    report_ = {};
    report_.reasons = reasons_;
    report_.elapsedMs = elapsedMs_;
    for (std::size_t i = 0; i < succeeded_.size(); ++i) {
        report_.results.push_back(succeeded_[i] != 0);
        if (!succeeded_[i])
            report_.failures += failureLine(*system_.equipment(units_[i]), format_);
    }
}
