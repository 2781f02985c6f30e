#include "AllUnitRun.h"

#include "Exchange.h"
#include "System.h"

#include <QCoreApplication>
#include <QThread>

AllUnitRun::AllUnitRun(System& system, Job job, FailureFormat format)
    : system_(system), job_(std::move(job)), format_(format)
{
}

AllUnitRun::~AllUnitRun()
{
    for (std::thread& worker : workers_) {
        if (worker.joinable())
            worker.join();
    }
}

std::string AllUnitRun::failureLine(const Exchange& unit, FailureFormat format)
{
    return "\n" + unit.exchangeName() + (format == FailureFormat::WithBlank ? " (id=" : "(id=") +
           std::to_string(unit.exchangeNumber()) + " ," + unit.targetAddressText() + ")";
}

void AllUnitRun::start()
{
    const int count = system_.registeredCount();
    succeeded_.assign(std::size_t(count), 0);
    workers_.reserve(std::size_t(count));
    running_ = count;
    for (int n = 1; n <= count; ++n) {
        Exchange* unit = system_.equipment(n);
        char* slot = &succeeded_[std::size_t(n - 1)];
        workers_.emplace_back([this, unit, slot] {
            *slot = job_(*unit) ? 1 : 0;
            --running_;
        });
    }
}

void AllUnitRun::wait()
{
    for (std::thread& worker : workers_)
        worker.join();
    collect();
}

void AllUnitRun::waitProcessingEvents()
{
    // A worker that needs the user (the login prompt) is answered by these events.
    while (running_ > 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    wait();
}

void AllUnitRun::run(WaitMode mode)
{
    start();
    if (mode == WaitMode::ProcessingEvents)
        waitProcessingEvents();
    else
        wait();
}

AllUnitRun::Report AllUnitRun::runAll(System& system, Job job, WaitMode mode, FailureFormat format)
{
    AllUnitRun run(system, std::move(job), format);
    run.run(mode);
    return run.report();
}

void AllUnitRun::collect()
{
    workers_.clear();
    report_ = {};
    for (std::size_t i = 0; i < succeeded_.size(); ++i) {
        report_.results.push_back(succeeded_[i] != 0);
        if (!succeeded_[i])
            report_.failures += failureLine(*system_.equipment(int(i) + 1), format_);
    }
}
