#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "Station.h"
#include "SystemFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using Stations = std::vector<Station*>;
using Members = std::vector<BlockGroupMember*>;

bool holds(const Members& members, const BlockGroupMember* member)
{
    return std::find(members.begin(), members.end(), member) != members.end();
}

// Stations made here are R-4100MS master stations.
class GroupsTest : public SystemFixture
{
protected:
    Station& make(int n, int line, const char* number)
    {
        return SystemFixture::make(n, line, "R-4100MS", number);
    }
};

// --- Paging zones ---------------------------------------------------------------------

TEST_F(GroupsTest, PagingZoneKeepsAtMost160Stations)
{
    for (int n = 1; n <= 11; ++n)
        ASSERT_NE(sys.insertEquipment(n, "R-4100EX"), nullptr);
    Paging& zone = *sys.paging(1);
    Stations added;
    for (int i = 0; i < 160; ++i) {
        added.push_back(&at(1 + i / 16, 1 + i % 16));
        ASSERT_TRUE(zone.addStation(added.back())) << i;
    }
    Station& extra = at(11, 1);

    EXPECT_FALSE(zone.addStation(&extra));
    EXPECT_EQ(zone.stations(), added);
    EXPECT_TRUE(zone.addStation(added[5])) << "a present station is no new entry";
    EXPECT_EQ(zone.stations().size(), 160u);
    EXPECT_FALSE(zone.addStation(nullptr));

    EXPECT_TRUE(zone.removeStation(added[5]));
    EXPECT_FALSE(zone.removeStation(added[5]));
    EXPECT_TRUE(zone.addStation(&extra));
    EXPECT_EQ(zone.stations().back(), &extra);
}

struct ZoneNameCase {
    const char* locale;
    const char* name;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const ZoneNameCase& c)
{
    return out << c.locale << " '" << c.name << "'";
}

class PagingZoneName : public testing::TestWithParam<ZoneNameCase>
{
};

TEST_P(PagingZoneName, OneToEightBytesWithoutControlOrDoubleByteCharacters)
{
    const ZoneNameCase& c = GetParam();
    R4000System sys(Locale::fromCode(c.locale));
    Paging& zone = *sys.paging(1);
    EXPECT_EQ(zone.setName(c.name), c.accepted) << c.locale << " '" << c.name << "'";
    EXPECT_EQ(zone.name(), c.accepted ? c.name : "pag 1");
}

INSTANTIATE_TEST_SUITE_P(
    Names, PagingZoneName,
    testing::Values(ZoneNameCase{"en", "LOBBY", true}, ZoneNameCase{"en", "ABCDEFGH", true},
                    ZoneNameCase{"en", "ABCDEFGHI", false}, ZoneNameCase{"en", "", false},
                    ZoneNameCase{"en", "A\nB", false}, ZoneNameCase{"en", "\xb0\xa1", true},
                    ZoneNameCase{"ko", "\xb0\xa1", false}, ZoneNameCase{"ja", "\x82\xa0", false},
                    ZoneNameCase{"ja", "\xb1\xb2", true}));

TEST_F(GroupsTest, ZoneAndGroupNumbersStayWithinTheTables)
{
    Paging& zone = *sys.paging(7);
    EXPECT_TRUE(zone.setNumber(160));
    EXPECT_FALSE(zone.setNumber(161));
    EXPECT_EQ(zone.number(), 160);

    BlockGroup& group = *sys.blockGroup(7);
    EXPECT_TRUE(group.setNumber(31));
    EXPECT_FALSE(group.setNumber(32));
    EXPECT_FALSE(group.setNumber(-1));
    EXPECT_EQ(group.number(), 31);
}

// --- Blocking groups ------------------------------------------------------------------

TEST_F(GroupsTest, CallAndPagingBlockSetsAreBounded)
{
    BlockGroup& group = *sys.blockGroup(5);
    for (int g = 0; g <= 31; ++g)
        ASSERT_TRUE(group.addCallBlock(g)) << g;
    EXPECT_FALSE(group.addCallBlock(32)) << "a 33rd entry";
    EXPECT_EQ(group.callBlocks().size(), 32u);
    EXPECT_TRUE(group.addCallBlock(5));
    EXPECT_EQ(group.callBlocks().size(), 32u);
    EXPECT_TRUE(group.removeCallBlock(5));
    EXPECT_FALSE(group.removeCallBlock(5));

    for (int z = 0; z <= 160; ++z)
        ASSERT_TRUE(group.addPagingBlock(z)) << z;
    EXPECT_FALSE(group.addPagingBlock(161)) << "a 162nd entry";
    EXPECT_EQ(group.pagingBlocks().size(), 161u);
}

struct DigitsCase {
    int pagingDigits;
    int highestZone;
};

std::ostream& operator<<(std::ostream& out, const DigitsCase& c)
{
    return out << c.pagingDigits << " paging digits";
}

class PagingBlocksBeforeWriting : public testing::TestWithParam<DigitsCase>
{
};

TEST_P(PagingBlocksBeforeWriting, KeepOnlyZonesThePagingDigitsCanDial)
{
    R4000System sys;
    ASSERT_TRUE(sys.setPagingDigits(GetParam().pagingDigits));
    sys.applyModelRules();
    const std::set<int>& zones = sys.blockGroup(0)->pagingBlocks();
    ASSERT_FALSE(zones.empty());
    EXPECT_EQ(*zones.rbegin(), GetParam().highestZone);
    EXPECT_EQ(zones.count(1), 1u);
}

INSTANTIATE_TEST_SUITE_P(Digits, PagingBlocksBeforeWriting,
                         testing::Values(DigitsCase{1, 9}, DigitsCase{2, 99}, DigitsCase{3, 160}));

TEST_F(GroupsTest, MemberBelongsToOneGroupAtATime)
{
    fill({"R-4100EX", "R-4100MI"});
    BlockGroup& group0 = *sys.blockGroup(0);
    BlockGroup& group3 = *sys.blockGroup(3);
    BlockGroup& group5 = *sys.blockGroup(5);
    for (BlockGroupMember* member :
         Members{&at(1, 4).settings(), unit(2).audioIn(1), unit(2).contactOut(9)}) {
        ASSERT_EQ(member->blockGroup(), &group0) << "every line starts in group 0";

        group3.addMember(member);
        EXPECT_EQ(member->blockGroup(), &group3);
        EXPECT_TRUE(holds(group3.members(), member));
        EXPECT_FALSE(holds(group0.members(), member));

        group5.addMember(member);
        group5.addMember(member);
        EXPECT_EQ(member->blockGroup(), &group5);
        EXPECT_FALSE(holds(group3.members(), member));
        EXPECT_EQ(std::count(group5.members().begin(), group5.members().end(), member), 1);

        EXPECT_TRUE(group5.removeMember(member));
        EXPECT_EQ(member->blockGroup(), nullptr);
        EXPECT_FALSE(group5.removeMember(member));
    }
    EXPECT_TRUE(group3.members().empty());
    EXPECT_TRUE(group5.members().empty());
}

// --- Remote-response groups -----------------------------------------------------------

TEST_F(GroupsTest, RemoteAnswerGroupTakesSixteenStations)
{
    fill({"R-4100EX", "R-4100EX"});
    Station& head = at(1, 1);
    RemoteAnsGroup* group = sys.remoteAnsGroup(&head);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->head(), &head);
    Stations expected{&head};
    for (int line = 2; line <= 16; ++line) {
        expected.push_back(&at(1, line));
        ASSERT_TRUE(group->addStation(expected.back())) << line;
    }

    EXPECT_FALSE(group->addStation(&at(2, 1)));
    EXPECT_EQ(at(2, 1).remoteAnsGroup(), nullptr);
    EXPECT_EQ(group->members(), expected);
    EXPECT_EQ(sys.remoteAnsGroup(&head), group) << "asking again gives the same group";
    EXPECT_EQ(sys.remoteAnsGroups().size(), 1u);
}

TEST_F(GroupsTest, StationBelongsToOneRemoteAnswerGroup)
{
    fill({"R-4100EX"});
    Station& a = at(1, 1);
    Station& b = at(1, 2);
    Station& c = at(1, 3);
    RemoteAnsGroup* first = sys.remoteAnsGroup(&a);
    ASSERT_TRUE(first->addStation(&b));
    RemoteAnsGroup* second = sys.remoteAnsGroup(&c);
    ASSERT_NE(second, first);

    EXPECT_FALSE(second->addStation(&b));
    EXPECT_FALSE(second->addStation(&a)) << "a head is a member of its group";
    EXPECT_FALSE(first->addStation(&b)) << "nor twice in the same group";
    EXPECT_EQ(b.remoteAnsGroup(), first);
    EXPECT_EQ(first->members(), (Stations{&a, &b}));
    EXPECT_EQ(second->members(), Stations{&c});
    EXPECT_EQ(sys.remoteAnsGroup(&b), nullptr) << "a member cannot head another group";
    EXPECT_EQ(sys.remoteAnsGroups().size(), 2u);
    EXPECT_FALSE(second->removeStation(&b));
    EXPECT_FALSE(second->addStation(nullptr));
    EXPECT_EQ(sys.remoteAnsGroup(nullptr), nullptr);

    ASSERT_TRUE(first->removeStation(&b));
    EXPECT_TRUE(second->addStation(&b));
    EXPECT_EQ(b.remoteAnsGroup(), second);
}

TEST_F(GroupsTest, HeadPassesToTheNextMember)
{
    fill({"R-4100EX"});
    Station& a = at(1, 1);
    Station& b = at(1, 2);
    Station& c = at(1, 3);
    RemoteAnsGroup* group = sys.remoteAnsGroup(&a);
    ASSERT_TRUE(group->addStation(&b));
    ASSERT_TRUE(group->addStation(&c));

    ASSERT_TRUE(group->removeStation(&a));
    EXPECT_EQ(group->head(), &b);
    EXPECT_EQ(group->members(), (Stations{&b, &c}));
    EXPECT_EQ(a.remoteAnsGroup(), nullptr);
    EXPECT_EQ(sys.findRemoteAnsGroup(&a), nullptr);
    EXPECT_EQ(sys.findRemoteAnsGroup(&b), group);

    ASSERT_TRUE(group->removeStation(&c));
    EXPECT_EQ(group->head(), &b) << "a member leaving keeps the head";
    ASSERT_TRUE(group->removeStation(&b));
    EXPECT_EQ(group->head(), nullptr);
    EXPECT_TRUE(group->empty());
    EXPECT_EQ(sys.findRemoteAnsGroup(&b), nullptr);

    RemoteAnsGroup* again = sys.remoteAnsGroup(&a);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->head(), &a);
}

// --- Equipment replaced by a model with fewer stations ---------------------------------

struct ShrinkCase {
    const char* model;
    int stationsLeft;
};

std::ostream& operator<<(std::ostream& out, const ShrinkCase& c)
{
    return out << c.model;
}

class EquipmentShrink : public GroupsTest, public testing::WithParamInterface<ShrinkCase>
{
};

TEST_P(EquipmentShrink, StationsBeyondTheNewCapacityLeaveEveryGroup)
{
    fill({"R-4100EX", "R-4100EX"});
    for (int line = 1; line <= 3; ++line)
        make(1, line, ("1" + std::to_string(line)).c_str());
    Station& keeper = make(2, 1, "21");
    Station& keeper2 = make(2, 2, "22");
    Paging& zone = *sys.paging(3);
    BlockGroup& group = *sys.blockGroup(4);
    for (Station* s : {&at(1, 1), &at(1, 2), &keeper}) {
        ASSERT_TRUE(zone.addStation(s));
        group.addMember(&s->settings());
    }
    RemoteAnsGroup* keepersGroup = sys.remoteAnsGroup(&keeper);
    ASSERT_TRUE(keepersGroup->addStation(&at(1, 2)));
    ASSERT_TRUE(keepersGroup->addStation(&at(1, 3)));
    RemoteAnsGroup* lineOnesGroup = sys.remoteAnsGroup(&at(1, 1));
    ASSERT_TRUE(lineOnesGroup->addStation(&keeper2));
    ASSERT_TRUE(keeper.addCalledStation(&at(1, 1)));
    ASSERT_TRUE(keeper.addCalledStation(&at(1, 2)));
    ASSERT_TRUE(keeper.addGroupMember(&at(1, 3)));
    keeper.setTransfer(StationImpl::XferBusy, &at(1, 1));
    keeper.setTransfer(StationImpl::XferAbs, &at(1, 2));
    ASSERT_TRUE(keeper.setMonitoringEntry(1, 1, &at(1, 1)));
    ASSERT_TRUE(keeper.setMonitoringEntry(1, 2, &at(1, 2)));

    ASSERT_TRUE(sys.changeEquipmentModel(1, GetParam().model));
    const ExchangeImpl& record = unit(1).settingsRecord();
    const bool lineOneStays = GetParam().stationsLeft == 1;
    Station* lineOne = lineOneStays ? unit(1).station(1) : nullptr;
    ASSERT_EQ(lineOne != nullptr, lineOneStays);

    const Stations zoneMembers = lineOneStays ? Stations{lineOne, &keeper} : Stations{&keeper};
    EXPECT_EQ(zone.stations(), zoneMembers);
    Members groupMembers = {&keeper.settings()};
    if (lineOneStays)
        groupMembers.insert(groupMembers.begin(), &lineOne->settings());
    EXPECT_EQ(group.members(), groupMembers);
    for (int line = GetParam().stationsLeft + 1; line <= 16; ++line) {
        EXPECT_EQ(record.stationSettings(line)->blockGroup(), sys.blockGroup(0)) << line;
        EXPECT_EQ(record.stationSettings(line)->remoteGroup, nullptr) << line;
    }

    EXPECT_EQ(keepersGroup->members(), Stations{&keeper});
    if (lineOneStays) {
        EXPECT_EQ(lineOnesGroup->head(), lineOne);
        EXPECT_EQ(lineOnesGroup->members(), (Stations{lineOne, &keeper2}));
    } else {
        EXPECT_EQ(lineOnesGroup->head(), &keeper2);
        EXPECT_EQ(lineOnesGroup->members(), Stations{&keeper2});
    }

    EXPECT_EQ(keeper.calledStations(), lineOneStays ? Stations{lineOne} : Stations{});
    EXPECT_TRUE(keeper.groupMembers().empty());
    EXPECT_EQ(keeper.transfer(StationImpl::XferBusy), lineOne);
    EXPECT_EQ(keeper.transfer(StationImpl::XferAbs), nullptr);
    EXPECT_EQ(keeper.monitoringEntry(1, 1), lineOne);
    EXPECT_EQ(keeper.monitoringEntry(1, 2), nullptr);

    sys.applyModelRules();
}

INSTANTIATE_TEST_SUITE_P(Models, EquipmentShrink,
                         testing::Values(ShrinkCase{"R-4100MI", 0}, ShrinkCase{"R-4700MS", 1}));

// --- Equipment removed while others refer to it ---------------------------------------

// Units 1 (A), 2 (B, the one removed), 3 (C, multi-interface) and 4 (D); A and D refer into B
// in every way a station or a grouping can, and B refers back.
class EquipmentRemoval : public GroupsTest
{
protected:
    void SetUp() override
    {
        fill({"R-4100EX", "R-4100EX", "R-4100MI", "R-4100EX"});
        for (int line = 1; line <= 4; ++line)
            make(1, line, ("1" + std::to_string(line)).c_str());
        for (int line = 1; line <= 6; ++line)
            make(2, line, ("2" + std::to_string(line)).c_str());
        make(4, 1, "41");
        ASSERT_TRUE(unit(2).setExchangeName("UNIT-B"));
        ASSERT_TRUE(b(1).setName("GONE"));
        ASSERT_TRUE(b(1).setMicLevel(3));

        ASSERT_TRUE(a(1).addCalledStation(&b(1)));
        ASSERT_TRUE(a(1).addCalledStation(&d1()));
        ASSERT_TRUE(a(1).addGroupMember(&b(2)));
        a(1).setTransfer(StationImpl::XferTime, &b(3));
        a(1).setTransfer(StationImpl::XferNoAns, &b(3));
        ASSERT_TRUE(a(1).setMonitoringEntry(3, 7, &b(4)));
        ASSERT_TRUE(d1().addCalledStation(&b(1)));
        d1().setTransfer(StationImpl::XferBusy, &b(1));
        ASSERT_TRUE(d1().setMonitoringEntry(1, 1, &b(1)));
        ASSERT_TRUE(b(1).addCalledStation(&a(1)));
        b(1).setTransfer(StationImpl::XferAbs, &a(1));

        for (Station* s : {&a(1), &b(1), &d1()})
            ASSERT_TRUE(sys.paging(5)->addStation(s));
        sys.blockGroup(6)->addMember(&b(1).settings());
        sys.blockGroup(6)->addMember(&a(2).settings());
        headedByB = sys.remoteAnsGroup(&b(1));
        ASSERT_TRUE(headedByB->addStation(&a(3)));
        headedByA = sys.remoteAnsGroup(&a(4));
        ASSERT_TRUE(headedByA->addStation(&b(5)));
        unit(3).contactIn(1)->setRemoteStation(&b(6));
        unit(3).contactIn(2)->setRemoteStation(&a(1));
    }

    Station& a(int line) { return at(1, line); }
    Station& b(int line) { return at(2, line); }
    Station& d1() { return at(4, 1); }

    RemoteAnsGroup* headedByB = nullptr;
    RemoteAnsGroup* headedByA = nullptr;
};

TEST_F(EquipmentRemoval, LeavesNoReferenceIntoTheRemovedUnit)
{
    Station& d = d1();
    ASSERT_TRUE(sys.removeEquipment(2));
    ASSERT_EQ(sys.registeredCount(), 3);
    ASSERT_EQ(&at(3, 1), &d);
    EXPECT_EQ(unit(4).modelName(), "NONE");

    EXPECT_EQ(a(1).calledStations(), Stations{&d});
    EXPECT_TRUE(a(1).groupMembers().empty());
    for (int t = 0; t < StationImpl::kTransfers; ++t)
        EXPECT_EQ(a(1).transfer(StationImpl::Transfer(t)), nullptr) << t;
    EXPECT_EQ(a(1).monitoringEntry(3, 7), nullptr);
    EXPECT_TRUE(d.calledStations().empty());
    EXPECT_EQ(d.transfer(StationImpl::XferBusy), nullptr);
    EXPECT_EQ(d.monitoringEntry(1, 1), nullptr);

    EXPECT_EQ(sys.paging(5)->stations(), (Stations{&a(1), &d}));
    EXPECT_EQ(sys.blockGroup(6)->members(), Members{&a(2).settings()});
    EXPECT_EQ(headedByB->head(), &a(3)) << "the head went with its unit";
    EXPECT_EQ(headedByB->members(), Stations{&a(3)});
    EXPECT_EQ(sys.findRemoteAnsGroup(&a(3)), headedByB);
    EXPECT_EQ(headedByA->members(), Stations{&a(4)});
    EXPECT_EQ(unit(2).contactIn(1)->remoteStation(), nullptr);
    EXPECT_EQ(unit(2).contactIn(2)->remoteStation(), &a(1));

    for (const char* number : {"21", "22", "23", "24", "25", "26"})
        EXPECT_EQ(sys.stationByNumber(number), nullptr) << number;
    EXPECT_EQ(sys.stationByNumber("11"), &a(1));
    EXPECT_EQ(sys.stationByNumber("41"), &d);

    // The writer's repairs walk every reference that is left.
    sys.applyModelRules();
    EXPECT_EQ(a(1).calledStations(), Stations{&d});
}

TEST_F(EquipmentRemoval, LaterInsertStartsFromFreshSettings)
{
    ASSERT_TRUE(sys.removeEquipment(2));
    Exchange* again = sys.insertEquipment(2, "R-4100EX");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->exchangeName(), "R-4100EX");
    for (int line = 1; line <= 16; ++line) {
        SCOPED_TRACE(line);
        const Station& s = *again->station(line);
        EXPECT_EQ(s.modelName(), "NONE");
        EXPECT_EQ(s.number(), "");
        EXPECT_EQ(s.name(), "");
        EXPECT_EQ(s.micLevel(), 2);
        EXPECT_TRUE(s.calledStations().empty());
        EXPECT_EQ(s.transfer(StationImpl::XferAbs), nullptr);
        EXPECT_EQ(s.settings().blockGroup(), sys.blockGroup(0));
        EXPECT_EQ(s.remoteAnsGroup(), nullptr);
    }
    EXPECT_EQ(sys.paging(5)->stations().size(), 2u);
    EXPECT_EQ(sys.blockGroup(6)->members().size(), 1u);
    EXPECT_EQ(a(1).calledStations(), Stations{&at(4, 1)});

    // Numbers of the removed unit are free and find only the new station.
    ASSERT_TRUE(again->changeStationModel(1, "R-4100MS"));
    ASSERT_TRUE(again->station(1)->setNumber("21"));
    EXPECT_EQ(sys.stationByNumber("21"), again->station(1));
    EXPECT_EQ(sys.stationByNumber("22"), nullptr);
    sys.applyModelRules();
}

TEST_F(GroupsTest, RemovingAMultiInterfaceUnitDropsItsLines)
{
    fill({"R-4100EX", "R-4100MI", "R-4700MS"});
    Station& master = make(1, 1, "11");
    Station& ip = at(3, 1);
    ASSERT_TRUE(ip.setNumber("31"));
    Exchange& mi = unit(2);
    master.setCallingContact(mi.contactOut(1));
    master.setDoorRemote(mi.contactOut(2));
    ASSERT_TRUE(ip.setInterlockContact(mi.contactOut(3)));
    ASSERT_TRUE(mi.audioIn(1)->setMode("BGM"));
    ASSERT_TRUE(unit(1).setBgmSource(1, mi.audioIn(1)));
    ASSERT_TRUE(sys.paging(7)->addAudioOutput(mi.audioOut(1)));
    ASSERT_TRUE(sys.paging(7)->addAudioOutput(unit(1).audioOut(1)));
    sys.blockGroup(8)->addMember(mi.audioIn(2));
    sys.blockGroup(8)->addMember(mi.contactOut(4));

    ASSERT_TRUE(sys.removeEquipment(2));

    EXPECT_EQ(master.callingContact(), nullptr);
    EXPECT_EQ(master.doorRemote(), nullptr);
    EXPECT_EQ(at(2, 1).interlockContact(), nullptr);
    EXPECT_EQ(unit(1).bgmSource(1), nullptr);
    EXPECT_EQ(sys.paging(7)->audioOutputs(), std::vector<AudioOut*>{unit(1).audioOut(1)});
    EXPECT_TRUE(sys.blockGroup(8)->members().empty());
    sys.applyModelRules();
}

} // namespace
