#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class Exchange;
class System;

// One job on every registered unit at once: a worker thread per unit, each touching only
// its own Exchange. The units that failed are named in the failure text, one line each, in
// unit order:
//   "\n<name> (id=<number> ,<address>)"   (WithBlank)
//   "\n<name>(id=<number> ,<address>)"    (WithoutBlank: the credential check before a
//                                           download)
// The model must not be changed by anyone else until the run has ended.
class AllUnitRun
{
public:
    using Job = std::function<bool(Exchange&)>;
    // How a run went: one result per unit of the run (unit 1 first, or in the order given) and
    // the failure lines.
    struct Report {
        std::vector<bool> results;
        std::string failures;
    };
    enum class FailureFormat { WithBlank, WithoutBlank };
    // How the caller waits: r4000ctl blocks, the window keeps processing its events.
    enum class WaitMode { Blocking, ProcessingEvents };

    AllUnitRun(System& system, Job job, FailureFormat format = FailureFormat::WithBlank);
    // The same over the given units only (equipment numbers, each registered), in that order.
    AllUnitRun(System& system, std::vector<int> units, Job job,
               FailureFormat format = FailureFormat::WithBlank);
    ~AllUnitRun();
    AllUnitRun(const AllUnitRun&) = delete;
    AllUnitRun& operator=(const AllUnitRun&) = delete;

    // Starts the workers; nothing happens when no unit is registered.
    void start();
    // Waits for every worker, blocking the calling thread.
    void wait();
    // Waits for every worker while the calling thread's Qt events keep being processed
    // every 5 ms, so windows stay painted and workers can ask the user-interface thread.
    void waitProcessingEvents();
    // start() and the wait in one.
    void run(WaitMode mode);
    // A whole run of job over the system's units.
    static Report runAll(System& system, Job job, WaitMode mode,
                         FailureFormat format = FailureFormat::WithBlank);
    // A run of job over the given units only.
    static Report runOn(System& system, std::vector<int> units, Job job, WaitMode mode);

    // Valid after the wait.
    const Report& report() const { return report_; }

    static std::string failureLine(const Exchange& unit, FailureFormat format);

private:
    void collect();

    System& system_;
    std::vector<int> units_;
    Job job_;
    FailureFormat format_;
    std::vector<std::thread> workers_;
    std::atomic<int> running_{0};
    // One slot per unit of the run, written by its worker only: no lock is needed.
    std::vector<char> succeeded_;
    Report report_;
};
