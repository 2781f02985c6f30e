// Finding units by broadcast and setting their network, across real interfaces: the
// program's namespace has three, each joined by a veth pair to the simulated units' side
// (scripts/in-netns --units-side 3), so no packet leaves the test's own namespaces.
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
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
            GTEST_SKIP() << "runs under scripts/in-netns --units-side 3";
        std::vector<std::string> descriptions;
        for (const char* unit : {
                 "address=198.18.1.11,mac=00-00-00-00-01-11,unitname=Office",
                 "address=198.18.1.12,mac=00-00-00-00-01-12,udp-duplicate,udp-zero-model",
                 "address=198.18.2.11,mac=00-00-00-00-02-11,model=R-4100MI,udp-long-name",
                 "address=198.18.2.12,mac=00-00-00-00-02-12,udp-silent",
                 "address=198.18.2.13,mac=00-00-00-00-02-13,no-write-ack",
                 "address=198.18.3.11,mac=00-00-00-00-03-11,model=R-4700MS,unitname=Desk",
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

    // r4000ctl on a data folder of the test's own.
    ProgramRun inData(std::vector<std::string> args, const std::string& input = {})
    {
        args.insert(args.begin(), {"--data-dir", temp.path() + "/data"});
        return ProgramRun::run(R4000CTL_PATH, args, ProgramRun::inheritedEnvironment(), input);
    }

    // An empty system "Site" in it.
    void newSite()
    {
        ASSERT_EQ(inData({"new", "Site", "--password-file", "-"}, "secret\n").status, 0);
    }

    TempFolder temp;
    std::unique_ptr<UnitSimProcess> sim;
};

TEST_F(DiscoveryTest, ScanGoesOutOnEveryInterfaceAndFinishesOnce)
{
    EXPECT_EQ(LocalAddresses::list(),
              (std::vector<std::string>{"198.18.1.1", "198.18.2.1", "198.18.3.1"}));
    Scan::Options options;
    options.timeScale = 0.1;
    Scan scan(options);
    FinishCounter counter;
    scan.addListener(&counter);
    ASSERT_TRUE(scan.startScan());
    EXPECT_EQ(scan.scanDuration(), 900);
    runFor(1800);
    EXPECT_EQ(counter.finished, 1);

    EXPECT_EQ(scan.count(), 5u);
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
    EXPECT_NE(run.out.find("5 unit(s) found.\n"), std::string::npos) << run.out;
    EXPECT_EQ(readWholeFile(csv),
              "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n"
              "00-00-00-00-01-11,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,80,Office\r\n"
              "00-00-00-00-01-12,QG-210,198.18.1.12,255.255.255.0,0.0.0.0,80,EX12\r\n"
              "00-00-00-00-02-11,R-4100MI,198.18.2.11,255.255.255.0,0.0.0.0,80,"
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345\r\n"
              "00-00-00-00-02-13,R-4100EX,198.18.2.13,255.255.255.0,0.0.0.0,80,EX13\r\n"
              "00-00-00-00-03-11,R-4700MS,198.18.3.11,255.255.255.0,0.0.0.0,80,Desk\r\n");
}

// r4000ctl asks every interface at once: one reply time however many there are, or only
// the interfaces named.
TEST_F(DiscoveryTest, CommandLineScanAsksEveryInterfaceAtOnce)
{
    QElapsedTimer timer;
    timer.start();
    const ProgramRun run = ctl({"scan", "--json"});
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(run.status, 0) << run.err;
    // One after the other, three interfaces take 9 s.
    EXPECT_LT(elapsed, 6000);
    const QJsonArray units =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out))["units"].toArray();
    ASSERT_EQ(units.size(), 5) << run.out;
    EXPECT_EQ(units[4]["mac"].toString(), "00-00-00-00-03-11");
    EXPECT_EQ(units[4]["name"].toString(), "Desk");
    EXPECT_EQ(units[4]["interface"].toString(), "198.18.3.1");

    // The simulated units answer a broadcast on any of their links: what tells the
    // interfaces asked is where the answers came in.
    const ProgramRun some = ctl({"scan", "--json", "--interface", "r4k2"});
    EXPECT_EQ(some.status, 0) << some.err;
    std::set<QString> interfaces;
    for (const QJsonValue& unit :
         QJsonDocument::fromJson(QByteArray::fromStdString(some.out))["units"].toArray())
        interfaces.insert(unit["interface"].toString());
    EXPECT_EQ(interfaces, (std::set<QString>{"198.18.3.1"})) << some.out;
    EXPECT_EQ(ctl({"scan", "--interface", "r4k1", "--interface", "r4k2"}).status, 0);

    const ProgramRun unknown = ctl({"scan", "--interface", "nope0"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no interface 'nope0'"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("r4k0, r4k1, r4k2"), std::string::npos) << unknown.err;
}

// The installer's first question on site: which units of the system answer where they
// should, and what else is there.
TEST_F(DiscoveryTest, SurveyHoldsTheSiteAgainstTheSystem)
{
    ASSERT_NO_FATAL_FAILURE(newSite());
    for (const std::vector<std::string>& unit : {
             std::vector<std::string>{"R-4100EX", "198.18.1.11", "Office"},
             std::vector<std::string>{"R-4100EX", "198.18.1.12", "Annex"},
             std::vector<std::string>{"R-4100EX", "198.18.1.99", "EX13"},
             std::vector<std::string>{"R-4100EX", "198.18.1.77", "Store"},
         })
        ASSERT_EQ(inData({"add", "Site", unit[0], "--ip", unit[1], "--name", unit[2]}).status, 0);

    const ProgramRun run = inData({"survey", "Site"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out,
              " 1  Office    198.18.1.11      found (00-00-00-00-01-11)\n"
              " 2  Annex     198.18.1.12      model differs: R-4100EX in the system, QG-210 "
              "answered (00-00-00-00-01-12)\n"
              " 3  EX13      198.18.1.99      at another address: 198.18.2.13 "
              "(00-00-00-00-02-13), found by its name\n"
              " 4  Store     198.18.1.77      missing\n"
              "not in the system:\n"
              "    00-00-00-00-02-11  R-4100MI    198.18.2.11      "
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345\n"
              "    00-00-00-00-03-11  R-4700MS    198.18.3.11      Desk\n"
              "4 units: 1 found, 1 of another model, 1 at another address, 1 missing; 2 not in "
              "the system\n");

    const ProgramRun json = inData({"survey", "Site", "--json"});
    EXPECT_EQ(json.status, 1);
    const QJsonObject document =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    const QJsonArray units = document["units"].toArray();
    ASSERT_EQ(units.size(), 4) << json.out;
    EXPECT_EQ(units[0]["status"].toString(), "found");
    EXPECT_EQ(units[1]["status"].toString(), "model-differs");
    EXPECT_EQ(units[1]["found"]["model"].toString(), "QG-210");
    EXPECT_EQ(units[2]["status"].toString(), "elsewhere");
    EXPECT_EQ(units[2]["found"]["address"].toString(), "198.18.2.13");
    EXPECT_EQ(units[3]["status"].toString(), "missing");
    EXPECT_EQ(document["notInSystem"].toArray().size(), 2);
    EXPECT_TRUE(document["differs"].toBool());
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

// A unit that cannot be reached is told apart from one that refuses the connection (its
// web server down while it restarts).
TEST_F(DiscoveryTest, UnitsThatCannotBeReachedSayWhy)
{
    ASSERT_NO_FATAL_FAILURE(newSite());
    // The units' side takes every address of the test range and refuses a connection
    // nothing listens for; the program's side has no way to a fourth LAN.
    for (const char* address : {"198.18.1.11", "198.18.1.99", "198.18.4.99"})
        ASSERT_EQ(inData({"add", "Site", "R-4100EX", "--ip", address}).status, 0);
    const ProgramRun run = inData({"login", "Site", "--json", "--no-prompt"});
    EXPECT_EQ(run.status, 1);
    const QJsonArray units =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out))["units"].toArray();
    std::map<int, std::string> reasons;
    for (const QJsonValue& unit : units)
        reasons[unit["number"].toInt()] = unit["reason"].toString().toStdString();
    EXPECT_EQ(reasons[1], "") << run.out;
    EXPECT_EQ(reasons[2], "restarting") << run.out;
    EXPECT_EQ(reasons[3], "unreachable") << run.out;
}

// A scan list, edited, gives many units their new settings in one run: the units left as
// they are stay untouched, and a unit that does not take its settings is named.
TEST_F(DiscoveryTest, NetsetFromAnEditedScanList)
{
    const std::string csv = temp.path() + "/scan.csv";
    ASSERT_EQ(ctl({"scan", "--csv", csv}).status, 0);
    std::string list = readWholeFile(csv);
    const auto edit = [&list](const std::string& from, const std::string& to) {
        const std::size_t at = list.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        list.replace(at, from.size(), to);
    };
    edit("198.18.1.11,255.255.255.0,0.0.0.0,80,Office",
         "198.18.1.51,255.255.255.0,0.0.0.0,80,Lobby");
    edit("198.18.2.13,255.255.255.0", "198.18.2.53,255.255.255.0");
    // The long name a unit reported is no name a unit can be given: that row goes.
    const std::size_t longName = list.find("00-00-00-00-02-11");
    list.erase(longName, list.find("\r\n", longName) + 2 - longName);
    writeWholeFile(csv, list);

    const ProgramRun run = ctl({"netset", "--from", csv, "--restart-wait", "1500"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "00-00-00-00-01-11  198.18.1.51      Lobby     ok\n"
                       "00-00-00-00-01-12  198.18.1.12      EX12      unchanged\n"
                       "00-00-00-00-02-13  198.18.2.53      EX13      failed: did not acknowledge "
                       "the new settings\n"
                       "00-00-00-00-03-11  198.18.3.11      Desk      unchanged\n"
                       "4 units: 1 ok, 2 unchanged, 1 failed\n");
    const std::string log = readWholeFile(temp.path() + "/2/udp.log");
    EXPECT_EQ(log.find("write: stored"), std::string::npos) << "an unchanged unit is not written";
}

// A unit outside the PC's subnet answers by broadcast to the sender's port: it is found, and
// its write and reset are acknowledged, as for a unit that answers directly.
TEST(DiscoveryBroadcastReplies, UnitIsFoundWrittenAndReset)
{
    if (UnitSimProcess::unitsNamespace().empty())
        GTEST_SKIP() << "runs under scripts/in-netns --units-side 3";
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
