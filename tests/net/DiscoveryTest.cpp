// Finding units by broadcast and setting their network, across real interfaces: the
// program's namespace has two, each joined by a veth pair to the simulated units' side
// (scripts/in-netns --units-side 2), so no packet leaves the test's own namespaces.
#include "EventLoop.h"
#include "FileText.h"
#include "LocalAddresses.h"
#include "ProgramRun.h"
#include "Scan.h"
#include "ScanListener.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

struct FinishCounter : ScanListener {
    int finished = 0;
    void onScanFinished() override { ++finished; }
    void onWriteAck(std::uint8_t, const MacAddress&) override {}
    void onResetAck(std::uint8_t, const MacAddress&) override {}
};

class DiscoveryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (UnitSimProcess::unitsNamespace().empty())
            GTEST_SKIP() << "runs under scripts/in-netns --units-side 2";
        std::vector<std::string> descriptions;
        for (const char* unit : {
                 "address=198.18.1.11,mac=00-00-00-00-01-11,unitname=Office",
                 "address=198.18.1.12,mac=00-00-00-00-01-12,udp-duplicate,udp-zero-model",
                 "address=198.18.2.11,mac=00-00-00-00-02-11,model=R-4100MI,udp-long-name",
                 "address=198.18.2.12,mac=00-00-00-00-02-12,udp-silent",
                 "address=198.18.2.13,mac=00-00-00-00-02-13,no-write-ack",
             })
            descriptions.push_back(std::string(unit) + ",udp-restart-ms=500,dir=" + temp.path() +
                                   "/" + std::to_string(descriptions.size() + 1));
        sim = UnitSimProcess::inUnitsNamespace(descriptions);
        ASSERT_TRUE(sim->ready()) << sim->errorOutput();
    }

    ProgramRun ctl(std::vector<std::string> args)
    {
        return ProgramRun::run(R4000CTL_PATH, args, ProgramRun::inheritedEnvironment());
    }

    TempFolder temp;
    std::unique_ptr<UnitSimProcess> sim;
};

TEST_F(DiscoveryTest, ScanGoesOutOnBothInterfacesAndFinishesOnce)
{
    EXPECT_EQ(LocalAddresses::list(), (std::vector<std::string>{"198.18.1.1", "198.18.2.1"}));
    Scan::Options options;
    options.timeScale = 0.1;
    Scan scan(options);
    FinishCounter counter;
    scan.addListener(&counter);
    ASSERT_TRUE(scan.startScan());
    EXPECT_EQ(scan.scanDuration(), 600);
    runFor(1500);
    EXPECT_EQ(counter.finished, 1);

    EXPECT_EQ(scan.count(), 4u);
    EXPECT_EQ(scan.find("00-00-00-00-02-12"), nullptr);
    EXPECT_EQ(scan.find("00-00-00-00-01-12")->modelName, "QG-210");
    EXPECT_EQ(scan.find("00-00-00-00-02-11")->unitName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    // The first interface sends first: its series is the first every unit answers.
    EXPECT_EQ(scan.find("00-00-00-00-01-11")->localAddress, "198.18.1.1");
}

TEST_F(DiscoveryTest, CommandLineScanWritesTheCsvFile)
{
    const std::string csv = temp.path() + "/scan.csv";
    const ProgramRun run = ctl({"scan", "--csv", csv});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("4 unit(s) found.\n"), std::string::npos) << run.out;
    EXPECT_EQ(readWholeFile(csv),
              "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n"
              "00-00-00-00-01-11,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,80,Office\r\n"
              "00-00-00-00-01-12,QG-210,198.18.1.12,255.255.255.0,0.0.0.0,80,EX12\r\n"
              "00-00-00-00-02-11,R-4100MI,198.18.2.11,255.255.255.0,0.0.0.0,80,"
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345\r\n"
              "00-00-00-00-02-13,R-4100EX,198.18.2.13,255.255.255.0,0.0.0.0,80,EX13\r\n");
}

TEST_F(DiscoveryTest, NetsetGivesAUnitItsNewAddressAndTellsWhenOneDoesNotAnswer)
{
    const ProgramRun moved = ctl({"netset", "00-00-00-00-01-11", "--ip", "198.18.1.50", "--mask",
                                  "255.255.255.0", "--gateway", "198.18.1.1", "--name", "Lobby",
                                  "--port", "8080", "--restart-wait", "1500"});
    EXPECT_EQ(moved.status, 0) << moved.err;
    EXPECT_NE(moved.out.find("00-00-00-00-01-11  R-4100EX    198.18.1.50      255.255.255.0    "
                             "198.18.1.1       8080      Lobby"),
              std::string::npos)
        << moved.out;

    const ProgramRun silent = ctl({"netset", "00-00-00-00-02-13", "--ip", "198.18.2.50", "--mask",
                                   "255.255.255.0", "--gateway", "0.0.0.0", "--restart-wait", "0"});
    EXPECT_EQ(silent.status, 1);
    EXPECT_EQ(silent.err, "r4000ctl: netset: the unit did not acknowledge the new settings\n");
}

// A unit outside the PC's subnet answers by broadcast to the sender's port: it is found, and
// its write and reset are acknowledged, as for a unit that answers directly.
TEST(DiscoveryBroadcastReplies, UnitIsFoundWrittenAndReset)
{
    if (UnitSimProcess::unitsNamespace().empty())
        GTEST_SKIP() << "runs under scripts/in-netns --units-side 2";
    TempFolder temp;
    const auto sim = UnitSimProcess::inUnitsNamespace(
        {"address=198.18.1.21,mac=00-00-00-00-01-21,udp-broadcast-reply,udp-restart-ms=500,dir=" +
         temp.path() + "/1"});
    ASSERT_TRUE(sim->ready()) << sim->errorOutput();

    const ProgramRun moved =
        ProgramRun::run(R4000CTL_PATH,
                        {"netset", "00-00-00-00-01-21", "--ip", "198.18.1.60", "--mask",
                         "255.255.255.0", "--gateway", "0.0.0.0", "--restart-wait", "1500"},
                        ProgramRun::inheritedEnvironment());
    EXPECT_EQ(moved.status, 0) << moved.err;
    EXPECT_NE(moved.out.find("00-00-00-00-01-21  R-4100EX    198.18.1.60 "), std::string::npos)
        << moved.out;
    // Every answer went out by broadcast.
    const std::string log = readWholeFile(temp.path() + "/1/udp.log");
    EXPECT_NE(log.find("255.255.255.255"), std::string::npos) << log;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
