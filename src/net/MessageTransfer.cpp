#include "MessageTransfer.h"

#include "System.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <chrono>
#include <map>
#include <thread>

namespace MessageTransfer {

AllUnitRun::Report changeSiren(System& system, int siren, const UnitJobs::Context& context,
                               const AllUnitRun::Waiting& wait, long settleMs)
{
    system.setSiren(siren);
    AllUnitRun::Report report =
        AllUnitRun::runAll(system, UnitJobs::uploadMessagePaging(context), wait);
    if (wait.mode == AllUnitRun::WaitMode::Blocking) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    } else {
        const QDeadlineTimer settled(settleMs);
        while (!settled.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(5);
        }
    }
    return report;
}

AllUnitRun::Report send(System& system, const std::vector<MessageAssignments::Transfer>& transfers,
                        const UnitJobs::Context& context, FileOps& files,
                        const AllUnitRun::Waiting& wait)
{
    std::vector<int> units;
    std::map<int, std::string> paths;
    for (const MessageAssignments::Transfer& transfer : transfers) {
        units.push_back(transfer.unit);
        paths[transfer.unit] = transfer.path;
    }
    return AllUnitRun::runOn(system, std::move(units),
                             UnitJobs::transferMessage(context, files, std::move(paths)), wait);
}

} // namespace MessageTransfer
