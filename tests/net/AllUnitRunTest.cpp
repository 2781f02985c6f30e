// All-unit runs: one worker per unit at the same time, failures named in unit order.
#include "AllUnitRun.h"

#include "Exchange.h"
#include "R4000System.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

class AllUnitRunTest : public testing::Test
{
protected:
    void addUnits(int count)
    {
        for (int n = 1; n <= count; ++n) {
            Exchange* unit = system.insertEquipment(n, "R-4100EX");
            ASSERT_NE(unit, nullptr);
            ASSERT_TRUE(unit->setExchangeName("EX" + std::to_string(n)));
            ASSERT_TRUE(unit->setIpAddressText("198.18.0." + std::to_string(10 + n)));
        }
    }

    R4000System system;
};

TEST_F(AllUnitRunTest, NamesTheFailedUnitsInUnitOrderInBothFormats)
{
    addUnits(5);
    const auto failOddOnes = [](Exchange& unit) { return unit.exchangeNumber() % 2 == 0; };
    AllUnitRun withBlank(system, failOddOnes);
    withBlank.run(AllUnitRun::WaitMode::Blocking);
    EXPECT_EQ(withBlank.report().failures, "\nEX1 (id=1 ,198.18.0.11)"
                                           "\nEX3 (id=3 ,198.18.0.13)"
                                           "\nEX5 (id=5 ,198.18.0.15)");
    EXPECT_EQ(withBlank.report().results, (std::vector<bool>{false, true, false, true, false}));

    AllUnitRun withoutBlank(system, failOddOnes, AllUnitRun::FailureFormat::WithoutBlank);
    withoutBlank.run(AllUnitRun::WaitMode::Blocking);
    EXPECT_EQ(withoutBlank.report().failures, "\nEX1(id=1 ,198.18.0.11)"
                                              "\nEX3(id=3 ,198.18.0.13)"
                                              "\nEX5(id=5 ,198.18.0.15)");
}

TEST_F(AllUnitRunTest, EveryUnitHasItsOwnWorkerAtTheSameTime)
{
    addUnits(80);
    std::mutex mutex;
    std::condition_variable allThere;
    int arrived = 0;
    // Each worker waits until all 80 are inside: only possible when they run together.
    AllUnitRun run(system, [&](Exchange&) {
        std::unique_lock<std::mutex> lock(mutex);
        ++arrived;
        allThere.notify_all();
        return allThere.wait_for(lock, std::chrono::seconds(20), [&] { return arrived == 80; });
    });
    run.run(AllUnitRun::WaitMode::Blocking);
    EXPECT_TRUE(run.report().failures.empty());
    EXPECT_EQ(run.report().results.size(), 80u);
}

// The listener hears each unit as it ends, on the waiting thread, while others still run:
// unit 2 only ends once unit 1 has been heard of.
TEST_F(AllUnitRunTest, ListenerHearsEachUnitAsItEnds)
{
    addUnits(2);
    struct Heard : AllUnitRun::Listener {
        void unitEnded(const Exchange& unit, bool ok, const UnitFailure& failure, long) override
        {
            EXPECT_EQ(std::this_thread::get_id(), waiting);
            const std::lock_guard<std::mutex> lock(mutex);
            units.push_back(unit.exchangeNumber());
            reasons.push_back(ok ? "" : failure.text());
            signal.notify_all();
        }
        std::thread::id waiting = std::this_thread::get_id();
        std::mutex mutex;
        std::condition_variable signal;
        std::vector<int> units;
        std::vector<std::string> reasons;
    } heard;
    for (const auto mode :
         {AllUnitRun::WaitMode::Blocking, AllUnitRun::WaitMode::ProcessingEvents}) {
        heard.units.clear();
        heard.reasons.clear();
        const auto report = AllUnitRun::runAll(
            system,
            [&heard](Exchange& unit) {
                if (unit.exchangeNumber() == 1) {
                    UnitFailure::note(UnitFailure::Reason::LoginRefused);
                    return false;
                }
                std::unique_lock<std::mutex> lock(heard.mutex);
                return heard.signal.wait_for(lock, std::chrono::seconds(10),
                                             [&heard] { return !heard.units.empty(); });
            },
            {mode, &heard});
        EXPECT_EQ(heard.units, (std::vector<int>{1, 2}));
        EXPECT_EQ(heard.reasons, (std::vector<std::string>{"login refused", ""}));
        EXPECT_EQ(report.results, (std::vector<bool>{false, true}));
        EXPECT_EQ(report.reasons[0].reason, UnitFailure::Reason::LoginRefused);
        EXPECT_EQ(report.reasons[1].reason, UnitFailure::Reason::None);
    }
}

// One at a time: the next unit starts only when the one before has ended.
TEST_F(AllUnitRunTest, OneAtATimeRunsTheUnitsInTurn)
{
    addUnits(4);
    std::atomic<int> inside{0};
    std::atomic<int> most{0};
    std::vector<int> order;
    const auto report = AllUnitRun::runOn(
        system, {3, 1, 4},
        [&](Exchange& unit) {
            most = std::max(most.load(), ++inside);
            order.push_back(unit.exchangeNumber());
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            --inside;
            return true;
        },
        AllUnitRun::WaitMode::Blocking, AllUnitRun::Pace::OneAtATime);
    EXPECT_EQ(most.load(), 1);
    EXPECT_EQ(order, (std::vector<int>{3, 1, 4}));
    EXPECT_EQ(report.results.size(), 3u);

    // After a failure the units still to come are not tried.
    order.clear();
    const auto stopped = AllUnitRun::runOn(
        system, {2, 3, 4},
        [&](Exchange& unit) {
            order.push_back(unit.exchangeNumber());
            return unit.exchangeNumber() != 3;
        },
        AllUnitRun::WaitMode::Blocking, AllUnitRun::Pace::OneAtATime);
    EXPECT_EQ(order, (std::vector<int>{2, 3}));
    EXPECT_EQ(stopped.results, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(stopped.reasons[2].text(), "failed (not tried: unit 3 failed before it)");
}

TEST_F(AllUnitRunTest, NoUnitsNothingToDo)
{
    int calls = 0;
    AllUnitRun run(system, [&](Exchange&) { return ++calls > 0; });
    run.run(AllUnitRun::WaitMode::ProcessingEvents);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(run.report().results.empty());
}

TEST_F(AllUnitRunTest, WaitingKeepsTheCallersEventsTurningForWorkersThatAskIt)
{
    addUnits(3);
    QObject uiObject;
    std::atomic<int> answered{0};
    // A worker asks the waiting thread and blocks until it has answered, as the login
    // prompt does.
    AllUnitRun run(system, [&](Exchange&) {
        QMetaObject::invokeMethod(
            &uiObject, [&] { ++answered; }, Qt::BlockingQueuedConnection);
        return true;
    });
    run.run(AllUnitRun::WaitMode::ProcessingEvents);
    EXPECT_EQ(answered.load(), 3);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
