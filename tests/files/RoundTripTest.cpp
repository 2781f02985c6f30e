#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Paging.h"
#include "PosixFileOps.h"
#include "RemoteAnsGroup.h"
#include "SystemFixture.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr const char* kStamp = "2026/12/10 12:00:00";

// Every file a save of the system would write, as one text.
std::string rendered(System& system)
{
    std::string all;
    for (const SystemFolder::File& file : SystemFolder::render(system, kStamp))
        all += "== " + file.name + "\n" + file.text;
    return all;
}

class RoundTripTest : public SystemFixture
{
protected:
    // A small system that uses most of what the files carry.
    void populate()
    {
        fill({"R-4100EX", "R-4100MI", "R-4700MS", "R-4760DS", "R-4120EX"});
        ASSERT_TRUE(sys.setSystemName("Plant"));
        ASSERT_TRUE(sys.setPagingDigits(2));
        for (int n = 1; n <= 5; ++n) {
            ASSERT_TRUE(unit(n).setIpAddressText("192.168.1." + std::to_string(10 + n)));
            ASSERT_TRUE(unit(n).setSubnetMaskText("255.255.255.0"));
        }
        Station& desk = make(1, 1, "R-4100MS", "11");
        Station& door = make(1, 2, "R-4160DS", "12");
        Station& ip = at(3, 1);
        ASSERT_TRUE(ip.setNumber("31"));
        ASSERT_TRUE(desk.setName("Desk"));
        desk.addCalledStation(&door);
        ASSERT_TRUE(desk.addGroupMember(&ip));
        ASSERT_TRUE(desk.setMonitoringEntry(2, 3, &door));
        ASSERT_TRUE(desk.setTransfer(StationImpl::XferAbs, &ip));
        ASSERT_TRUE(desk.setOneTouch("onetouch_oh", "12#"));
        ASSERT_TRUE(ip.setMessagePaging(true));
        ASSERT_TRUE(ip.setMessagePagingZone(sys.paging(12)));
        ASSERT_TRUE(door.setOneTouch("onetouch_0", "11"));
        ASSERT_TRUE(sys.paging(12)->setName("Hall"));
        ASSERT_TRUE(sys.paging(12)->addStation(&desk));
        ASSERT_TRUE(sys.paging(12)->addAudioOutput(unit(1).audioOut(2)));
        sys.blockGroup(3)->addMember(&desk.settings());
        ASSERT_TRUE(sys.blockGroup(3)->addPagingBlock(12));
        RemoteAnsGroup* group = sys.remoteAnsGroup(&desk);
        ASSERT_NE(group, nullptr);
        ASSERT_TRUE(group->addStation(&ip));

        Exchange& mi = unit(2);
        ASSERT_TRUE(mi.audioIn(1)->setMode("BGM"));
        ASSERT_TRUE(mi.audioIn(2)->setMode("PBX"));
        ASSERT_TRUE(mi.audioIn(2)->setAccessNumber("7"));
        ASSERT_TRUE(unit(1).setBgmSource(1, mi.audioIn(1)));
        ASSERT_TRUE(mi.contactIn(1)->setMode("LEVEL"));
        mi.contactIn(1)->setBridgeOutput(mi.contactOut(3));
        ASSERT_TRUE(mi.contactIn(2)->setMode("REMOTE_CONTROL"));
        mi.contactIn(2)->setRemoteStation(&desk);
        ASSERT_TRUE(mi.contactIn(2)->setRemoteDial("HF12"));
        ASSERT_TRUE(mi.contactOut(3)->setOperationNumber("5"));
        sys.blockGroup(4)->addMember(mi.contactOut(3));

        unit(1).setNapt(true);
        ASSERT_TRUE(unit(1).setWanIpAddressText("203.0.113.7"));
        ASSERT_TRUE(unit(1).setSynMode("SOURCE"));
        ASSERT_TRUE(unit(1).addSynDestination("192.168.1.20", 5006));
        ASSERT_TRUE(unit(2).setConnectable(4, false));
    }

    TempFolder temp;
    const std::string dir = temp.path();
};

TEST_F(RoundTripTest, SaveLoadSaveGivesTheSameBytes)
{
    populate();
    PosixFileOps files;
    SystemFolder folder(files, dir + "/Plant", "Plant");
    std::string error;
    ASSERT_TRUE(folder.save(sys, kStamp, error)) << error;
    const std::string first = rendered(sys);

    R4000System loaded;
    ASSERT_TRUE(folder.load(loaded, error)) << error;
    EXPECT_EQ(loaded.registeredCount(), 5);
    EXPECT_EQ(rendered(loaded), first);
}

TEST_F(RoundTripTest, MissingUnitFilesLeaveNoGap)
{
    fill({"R-4100EX", "R-4100EX", "R-4100EX"});
    Station& caller = make(1, 1, "R-4100MS", "11");
    Station& callee = make(3, 4, "R-4100MS", "34");
    caller.addCalledStation(&callee);
    ASSERT_TRUE(unit(3).setExchangeName("Third"));
    PosixFileOps files;
    SystemFolder folder(files, dir + "/R-4000", "R-4000");
    std::string error;
    ASSERT_TRUE(folder.save(sys, kStamp, error)) << error;
    std::filesystem::remove(dir + "/R-4000/002.cfg");

    R4000System loaded;
    ASSERT_TRUE(folder.load(loaded, error)) << error;
    ASSERT_EQ(loaded.registeredCount(), 2);
    const Exchange& third = *loaded.equipment(2);
    EXPECT_EQ(third.exchangeName(), "Third") << "moved down into the gap";
    EXPECT_EQ(third.exchangeNumber(), 2);
    EXPECT_EQ(loaded.equipment(1)->station(1)->calledStations(),
              std::vector<Station*>{third.station(4)});
    EXPECT_EQ(loaded.stationByNumber("34"), third.station(4));
}

TEST_F(RoundTripTest, UnitsAreReadEvenWithoutTheSystemFile)
{
    fill({"R-4120EX"});
    PosixFileOps files;
    SystemFolder folder(files, dir + "/R-4000", "R-4000");
    std::string error;
    ASSERT_TRUE(folder.save(sys, kStamp, error)) << error;
    std::filesystem::remove(dir + "/R-4000/R-4000.sys");
    R4000System loaded;
    EXPECT_FALSE(folder.load(loaded, error));
    EXPECT_NE(error, "");
    EXPECT_EQ(loaded.equipment(1)->modelName(), "R-4120EX");
}

} // namespace
