#pragma once

#include "UnitFailure.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
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
    // How a run went, one entry per unit of the run (unit 1 first, or in the order given):
    // the results, why each failed unit failed (None for the others) and how long each
    // unit's job took; and the failure lines.
    struct Report {
        std::vector<bool> results;
        std::vector<UnitFailure> reasons;
        std::vector<long> elapsedMs;
        std::string failures;
    };
    enum class FailureFormat { WithBlank, WithoutBlank };
    // How the caller waits: r4000ctl blocks, the window keeps processing its events.
    enum class WaitMode { Blocking, ProcessingEvents };
    // Firmware may be sent to one unit after the other, so a bad image stops at the first:
    // once a unit fails, the ones after it are not tried (and fail, saying so).
    enum class Pace { AllAtOnce, OneAtATime };

    // Hears the run on the waiting thread: each unit as its job ends, and about once a
    // second while units are still at work.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void unitEnded(const Exchange& unit, bool ok, const UnitFailure& failure,
                               long elapsedMs) = 0;
        virtual void stillRunning() {}
    };
    // How the caller waits, and who hears the units end.
    struct Waiting {
        Waiting(WaitMode mode, Listener* listener = nullptr) : mode(mode), listener(listener) {}
        WaitMode mode;
        Listener* listener;
    };

    AllUnitRun(System& system, Job job, FailureFormat format = FailureFormat::WithBlank);
    // The same over the given units only (equipment numbers, each registered), in that order.
    AllUnitRun(System& system, std::vector<int> units, Job job,
               FailureFormat format = FailureFormat::WithBlank, Pace pace = Pace::AllAtOnce);
    ~AllUnitRun();
    AllUnitRun(const AllUnitRun&) = delete;
    AllUnitRun& operator=(const AllUnitRun&) = delete;

    // Starts the workers; nothing happens when no unit is registered.
    void start();
    // Waits for every worker, blocking the calling thread; listener may be null.
    void wait(Listener* listener = nullptr);
    // Waits for every worker while the calling thread's Qt events keep being processed
    // every 5 ms, so windows stay painted and workers can ask the user-interface thread.
    void waitProcessingEvents(Listener* listener = nullptr);
    // start() and the wait in one.
    void run(const Waiting& waiting);
    // A whole run of job over the system's units.
    static Report runAll(System& system, Job job, const Waiting& waiting,
                         FailureFormat format = FailureFormat::WithBlank);
    // A run of job over the given units only.
    static Report runOn(System& system, std::vector<int> units, Job job, const Waiting& waiting,
                        Pace pace = Pace::AllAtOnce);

    // Valid after the wait.
    const Report& report() const { return report_; }

    static std::string failureLine(const Exchange& unit, FailureFormat format);
    // The equipment numbers of every registered unit, unit 1 first.
    static std::vector<int> everyUnit(const System& system);

private:
    // The job on the unit at index of the run, timed, with its reason on failure.
    void runUnit(std::size_t index);
    // A unit of a one-at-a-time run that comes after a failed one.
    void skipUnit(std::size_t index, int failedUnit);
    // Tells the listener of the units that ended since the last call; false when none had.
    bool tellEnded(Listener* listener);
    void collect();

    System& system_;
    std::vector<int> units_;
    Job job_;
    FailureFormat format_;
    Pace pace_;
    std::vector<std::thread> workers_;
    std::atomic<int> running_{0};
    // One slot per unit of the run, written by its worker only: no lock is needed.
    std::vector<char> succeeded_;
    std::vector<UnitFailure> reasons_;
    std::vector<long> elapsedMs_;
    // The units whose job has ended and nobody has heard of yet.
    std::mutex endedMutex_;
    std::condition_variable endedSignal_;
    std::vector<std::size_t> ended_;
    std::size_t told_ = 0;
    Report report_;
};
