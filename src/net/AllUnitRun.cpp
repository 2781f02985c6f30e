#include "AllUnitRun.h"

#include "Exchange.h"
#include "System.h"

#include <QCoreApplication>
#include <QThread>

namespace {

std::vector<int> allUnits(const System& system)
{
    std::vector<int> units;
    for (int n = 1; n <= system.registeredCount(); ++n)
        units.push_back(n);
    return units;
}

} // namespace

AllUnitRun::AllUnitRun(System& system, Job job, FailureFormat format)
    : AllUnitRun(system, allUnits(system), std::move(job), format)
{
}

AllUnitRun::AllUnitRun(System& system, std::vector<int> units, Job job, FailureFormat format)
    : system_(system), units_(std::move(units)), job_(std::move(job)), format_(format)
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
    succeeded_.assign(units_.size(), 0);
    workers_.reserve(units_.size());
    running_ = int(units_.size());
    for (std::size_t i = 0; i < units_.size(); ++i) {
        Exchange* unit = system_.equipment(units_[i]);
        char* slot = &succeeded_[i];
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

AllUnitRun::Report AllUnitRun::runOn(System& system, std::vector<int> units, Job job,
                                     WaitMode mode)
{
    AllUnitRun run(system, std::move(units), std::move(job));
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
            report_.failures += failureLine(*system_.equipment(units_[i]), format_);
    }
}
