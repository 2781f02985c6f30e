#include "Station.h"

#include "BlockGroup.h"
#include "ContactIn.h"
#include "Exchange.h"
#include "Observer.h"
#include "Paging.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "SystemFixture.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Stations = std::vector<Station*>;

// Two exchanges of sixteen empty slots each; tests give the slots they use a model.
class StationTest : public SystemFixture
{
protected:
    void SetUp() override { fill({"R-4100EX", "R-4100EX"}); }
};

// --- Station number -------------------------------------------------------------------

struct NumberCase {
    int digits;
    const char* value;
    bool accepted;
    const char* stored; // when accepted
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c)
{
    return out << c.digits << " digits, '" << c.value << "'";
}

class StationNumber : public StationTest, public testing::WithParamInterface<NumberCase>
{
};

TEST_P(StationNumber, FollowsTheDigitCountAndKeepsTheIndexInStep)
{
    const NumberCase& c = GetParam();
    Station& s = at(1, 1);
    ASSERT_TRUE(s.setNumber("34"));
    ASSERT_TRUE(sys.setStationDigits(c.digits));

    EXPECT_EQ(s.setNumber(c.value), c.accepted) << c.value;
    const std::string expected = c.accepted ? c.stored : "34";
    EXPECT_EQ(s.number(), expected);
    if (!expected.empty()) {
        EXPECT_EQ(sys.stationByNumber(expected), &s);
    }
    if (expected != "34") {
        EXPECT_EQ(sys.stationByNumber("34"), nullptr) << "the old number stays in the index";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, StationNumber,
    testing::Values(NumberCase{2, "12", true, "12"}, NumberCase{2, "34", true, "34"},
                    NumberCase{2, "1", false, ""}, NumberCase{2, "123", false, ""},
                    NumberCase{2, "1a", false, ""}, NumberCase{2, " 1", false, ""},
                    NumberCase{2, "NONE", true, ""}, NumberCase{2, "", true, ""},
                    // "NONE" is four characters: it must clear, not be taken as a number.
                    NumberCase{4, "NONE", true, ""}, NumberCase{4, "0042", true, "0042"},
                    // The length is checked before the "same as now" shortcut.
                    NumberCase{4, "34", false, ""}, NumberCase{6, "123456", true, "123456"},
                    NumberCase{6, "12345x", false, ""}));

// --- Station name ---------------------------------------------------------------------

struct NameCase {
    const char* locale;
    const char* name;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c)
{
    return out << c.locale << " '" << c.name << "'";
}

class StationName : public testing::TestWithParam<NameCase>
{
};

TEST_P(StationName, EightBytesWithoutControlOrDoubleByteCharacters)
{
    const NameCase& c = GetParam();
    R4000System sys(Locale::fromCode(c.locale));
    ASSERT_NE(sys.insertEquipment(1, "R-4100EX"), nullptr);
    Station& s = *sys.equipment(1)->station(1);
    ASSERT_TRUE(s.setName("OLD"));

    EXPECT_EQ(s.setName(c.name), c.accepted) << c.locale << " '" << c.name << "'";
    EXPECT_EQ(s.name(), c.accepted ? c.name : "OLD");
}

INSTANTIATE_TEST_SUITE_P(
    Names, StationName,
    testing::Values(NameCase{"en", "ABCDEFGH", true}, NameCase{"en", "ABCDEFGHI", false},
                    NameCase{"en", "", true}, NameCase{"en", "A B", true},
                    NameCase{"en", "A\tB", false}, NameCase{"en", "A\x7f", false},
                    // Bytes, not characters: eight accented letters fit, nine do not.
                    NameCase{"en", "\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9", true},
                    NameCase{"en", "\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9", false},
                    // Lead bytes depend on the code page of the user interface.
                    NameCase{"en", "\x82\xa0", true}, NameCase{"ja", "\x82\xa0", false},
                    NameCase{"ja", "AB\xe0\x40", false}, NameCase{"ja", "\xb1\xb2", true},
                    NameCase{"ko", "\xb0\xa1", false}, NameCase{"ko", "\xb1\xb2", false},
                    NameCase{"en", "\xb0\xa1", true}));

TEST_F(StationTest, NumberAndNameChangesAreAnnouncedOnce)
{
    struct Recorder : Observer {
        void update(Observable&, std::string_view hint) override { hints.emplace_back(hint); }
        std::vector<std::string> hints;
    } recorder;
    Station& s = at(1, 1);
    s.addObserver(&recorder);

    s.setNumber("12");
    s.setNumber("12");
    s.setNumber("123");
    s.setName("DESK");
    s.setName("DESK");
    s.setName("TOO-LONG-");
    EXPECT_EQ(recorder.hints, (std::vector<std::string>{"sta_no", "sta_name"}));

    // The settings reader sets numbers quietly and enters them in the index itself.
    recorder.hints.clear();
    EXPECT_TRUE(s.setByKey("sta_no", "345"));
    EXPECT_TRUE(recorder.hints.empty());
    EXPECT_EQ(s.number(), "345");
    EXPECT_EQ(sys.stationByNumber("345"), nullptr);
    sys.indexStation(s);
    EXPECT_EQ(sys.stationByNumber("345"), &s);
    EXPECT_EQ(sys.stationByNumber("12"), nullptr);
    s.deleteObserver(&recorder);
}

struct KeyCase {
    const char* key;
    const char* value;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c)
{
    return out << c.key << "=" << c.value;
}

class StationByKey : public StationTest, public testing::WithParamInterface<KeyCase>
{
};

TEST_P(StationByKey, TakesOnlyIdNumberAndName)
{
    EXPECT_EQ(at(1, 1).setByKey(GetParam().key, GetParam().value), GetParam().accepted)
        << GetParam().key << "=" << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StationByKey,
    testing::Values(KeyCase{"sta_id", "1", true}, KeyCase{"sta_id", "16", false},
                    KeyCase{"sta_id", "0", false}, KeyCase{"sta_no", "1", true},
                    KeyCase{"sta_no", "1234567", true}, KeyCase{"sta_no", "12a", false},
                    KeyCase{"sta_no", "NONE", true}, KeyCase{"sta_name", "ABCDEFGH", true},
                    KeyCase{"sta_name", "ABCDEFGHI", false}, KeyCase{"mic_level", "2", false},
                    KeyCase{"sta_type", "R-4100MS", false}));

// --- Dial strings ---------------------------------------------------------------------

constexpr const char* k20 = "12345678901234567890";
constexpr const char* k21 = "123456789012345678901";

enum class Dial { OneTouch, AutoDial };

struct DialCase {
    Dial kind;
    const char* key;
    const char* value;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const DialCase& c)
{
    return out << (c.kind == Dial::OneTouch ? "one-touch " : "auto-dial ") << c.key << "="
               << c.value;
}

class StationDial : public StationTest, public testing::WithParamInterface<DialCase>
{
};

TEST_P(StationDial, KeepsTheOldStringOnRefusal)
{
    const DialCase& c = GetParam();
    const bool oneTouch = c.kind == Dial::OneTouch;
    const auto set = oneTouch ? &Station::setOneTouch : &Station::setAutoDial;
    const auto get = oneTouch ? &Station::oneTouch : &Station::autoDial;
    Station& s = at(1, 1);
    const bool knownKey = (s.*set)(c.key, "1");

    EXPECT_EQ((s.*set)(c.key, c.value), c.accepted) << c.key << "=" << c.value;
    if (knownKey) {
        EXPECT_EQ((s.*get)(c.key), c.accepted ? c.value : "1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strings, StationDial,
    testing::Values(DialCase{Dial::OneTouch, "onetouch_7", "0123456789*#PFRHT", true},
                    DialCase{Dial::OneTouch, "onetouch_oh", "R", true},
                    DialCase{Dial::OneTouch, "onetouch_0", "", true},
                    DialCase{Dial::OneTouch, "onetouch_9", k20, true},
                    DialCase{Dial::OneTouch, "onetouch_8", k21, false},
                    DialCase{Dial::OneTouch, "onetouch_7", "12A", false},
                    DialCase{Dial::OneTouch, "onetouch_1", "1", false},
                    DialCase{Dial::OneTouch, "autodial_1", "1", false},
                    DialCase{Dial::AutoDial, "autodial_1", "0123456789*#PF", true},
                    DialCase{Dial::AutoDial, "autodial_8", k20, true},
                    DialCase{Dial::AutoDial, "autodial_8", k21, false},
                    DialCase{Dial::AutoDial, "autodial_2", "12R", false},
                    DialCase{Dial::AutoDial, "autodial_3", "H", false},
                    DialCase{Dial::AutoDial, "autodial_4", "T", false},
                    DialCase{Dial::AutoDial, "autodial_0", "1", false},
                    DialCase{Dial::AutoDial, "autodial_9", "1", false},
                    DialCase{Dial::AutoDial, "onetouch_7", "1", false}));

TEST_F(StationTest, EachDialKeyHasItsOwnString)
{
    Station& s = at(1, 1);
    const std::vector<std::string> oneTouch = {"onetouch_7", "onetouch_8", "onetouch_9",
                                               "onetouch_0", "onetouch_oh"};
    for (std::size_t i = 0; i < oneTouch.size(); ++i)
        ASSERT_TRUE(s.setOneTouch(oneTouch[i], std::to_string(i)));
    for (int i = 1; i <= 8; ++i)
        ASSERT_TRUE(s.setAutoDial("autodial_" + std::to_string(i), std::to_string(10 + i)));

    for (std::size_t i = 0; i < oneTouch.size(); ++i)
        EXPECT_EQ(s.oneTouch(oneTouch[i]), std::to_string(i)) << oneTouch[i];
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(s.autoDial("autodial_" + std::to_string(i)), std::to_string(10 + i));
}

// --- Levels and times -----------------------------------------------------------------

struct LevelCase {
    const char* what;
    bool (Station::*set)(int);
    int (Station::*get)() const;
    int value;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const LevelCase& c)
{
    return out << c.what << " " << c.value;
}

class StationLevel : public StationTest, public testing::WithParamInterface<LevelCase>
{
};

TEST_P(StationLevel, RefusesValuesOutsideTheRange)
{
    const LevelCase& c = GetParam();
    Station& s = at(1, 1);
    const int before = (s.*c.get)();
    EXPECT_EQ((s.*c.set)(c.value), c.accepted) << c.what << " " << c.value;
    EXPECT_EQ((s.*c.get)(), c.accepted ? c.value : before) << c.what;
}

constexpr LevelCase mic(int value, bool accepted)
{
    return {"microphone", &Station::setMicLevel, &Station::micLevel, value, accepted};
}
constexpr LevelCase speaker(int value, bool accepted)
{
    return {"speaker", &Station::setSpeakerLevel, &Station::speakerLevel, value, accepted};
}
constexpr LevelCase sigLevel(int value, bool accepted)
{
    return {"signal", &Station::setSignalLevel, &Station::signalLevel, value, accepted};
}
constexpr LevelCase monTime(int value, bool accepted)
{
    return {"monitoring time", &Station::setMonitoringTime, &Station::monitoringTime, value,
            accepted};
}
constexpr LevelCase receipt(int value, bool accepted)
{
    return {"receipt mode", &Station::setReceiptMode, &Station::receiptMode, value, accepted};
}

INSTANTIATE_TEST_SUITE_P(Bounds, StationLevel,
                         testing::Values(mic(0, false), mic(1, true), mic(3, true), mic(4, false),
                                         speaker(0, false), speaker(1, true), speaker(5, true),
                                         speaker(6, false), sigLevel(0, false), sigLevel(5, true),
                                         sigLevel(6, false), monTime(0, false), monTime(1, true),
                                         monTime(10, true), monTime(11, false), receipt(0, true),
                                         receipt(2, false), receipt(-1, false)));

// --- Station sets ---------------------------------------------------------------------

TEST_F(StationTest, CalledSetKeepsFifteenQuietlyGroupSetRefusesTheSixteenth)
{
    Station& owner = at(1, 1);
    Stations others;
    for (int line = 2; line <= 16; ++line)
        others.push_back(&at(1, line));
    Station* sixteenth = &at(2, 1);

    for (Station* s : others) {
        ASSERT_TRUE(owner.addCalledStation(s));
        ASSERT_TRUE(owner.addGroupMember(s));
    }
    EXPECT_TRUE(owner.addCalledStation(sixteenth)) << "the called set reports success";
    EXPECT_EQ(owner.calledStations(), others) << "but keeps its fifteen";
    EXPECT_FALSE(owner.addGroupMember(sixteenth));
    EXPECT_EQ(owner.groupMembers(), others);

    // A present station is no new entry, even in a full set.
    EXPECT_TRUE(owner.addCalledStation(others[3]));
    EXPECT_TRUE(owner.addGroupMember(others[3]));
    EXPECT_EQ(owner.calledStations().size(), 15u);
    EXPECT_EQ(owner.groupMembers().size(), 15u);
    EXPECT_FALSE(owner.addCalledStation(nullptr));
    EXPECT_FALSE(owner.addGroupMember(nullptr));

    EXPECT_TRUE(owner.removeGroupMember(others[0]));
    EXPECT_FALSE(owner.removeGroupMember(others[0]));
    EXPECT_TRUE(owner.addGroupMember(sixteenth));
    EXPECT_EQ(owner.groupMembers().back(), sixteenth);
    EXPECT_TRUE(owner.removeCalledStation(others[0]));
    EXPECT_TRUE(owner.addCalledStation(sixteenth));
    EXPECT_EQ(owner.calledStations().back(), sixteenth);
}

TEST_F(StationTest, MonitoringEntriesAndTransfersAreAddressedByPosition)
{
    Station& s = at(1, 1);
    Station& target = at(2, 3);
    EXPECT_TRUE(s.setMonitoringEntry(4, 16, &target));
    EXPECT_TRUE(s.setMonitoringEntry(1, 1, &target));
    EXPECT_EQ(s.monitoringEntry(4, 16), &target);
    EXPECT_EQ(s.monitoringEntry(1, 1), &target);
    EXPECT_EQ(s.monitoringEntry(1, 2), nullptr);
    for (auto [group, position] :
         std::initializer_list<std::pair<int, int>>{{0, 1}, {5, 1}, {1, 0}, {1, 17}}) {
        EXPECT_FALSE(s.setMonitoringEntry(group, position, &target)) << group << "/" << position;
        EXPECT_EQ(s.monitoringEntry(group, position), nullptr);
    }
    EXPECT_TRUE(s.clearMonitoringEntry(4, 16));
    EXPECT_EQ(s.monitoringEntry(4, 16), nullptr);

    EXPECT_TRUE(s.setTransfer(StationImpl::XferBusy, &target));
    EXPECT_EQ(s.transfer(StationImpl::XferBusy), &target);
    EXPECT_EQ(s.transfer(StationImpl::XferNoAns), nullptr);
    EXPECT_FALSE(s.setTransfer(StationImpl::kTransfers, &target));
    EXPECT_FALSE(s.setTransfer(-1, &target));
    EXPECT_EQ(s.transfer(StationImpl::kTransfers), nullptr);
}

// --- Model change ---------------------------------------------------------------------

TEST_F(StationTest, ModelChangeKeepsSettingsAndEveryHolderFollows)
{
    ASSERT_NE(sys.insertEquipment(3, "R-4100MI"), nullptr);
    Station& target = make(1, 5, "R-4100MS", "15");
    ASSERT_TRUE(target.setName("FRONT"));
    ASSERT_TRUE(target.setMicLevel(3));
    ASSERT_TRUE(target.setSpeakerLevel(1));
    ASSERT_TRUE(target.setSignalLevel(4));
    ASSERT_TRUE(target.setMonitoringTime(7));
    Station& caller = make(1, 1, "R-4100MS", "11");
    Station& far = make(2, 2, "R-4121MS", "22");

    ASSERT_TRUE(caller.addCalledStation(&target));
    ASSERT_TRUE(caller.addGroupMember(&target));
    for (int t = 0; t < StationImpl::kTransfers; ++t)
        caller.setTransfer(StationImpl::Transfer(t), &target);
    ASSERT_TRUE(caller.setMonitoringEntry(2, 3, &target));
    ASSERT_TRUE(far.addCalledStation(&target));
    ASSERT_TRUE(far.setMonitoringEntry(4, 16, &target));
    ASSERT_TRUE(target.addCalledStation(&caller));
    ASSERT_TRUE(sys.paging(4)->addStation(&target));
    sys.blockGroup(7)->addMember(&target.settings());
    RemoteAnsGroup* answering = sys.remoteAnsGroup(&target);
    ASSERT_NE(answering, nullptr);
    ASSERT_TRUE(answering->addStation(&far));
    ContactIn& input = *sys.equipment(3)->contactIn(1);
    input.setRemoteStation(&target);

    ASSERT_TRUE(sys.equipment(1)->changeStationModel(5, "R-4160DS"));
    Station& now = at(1, 5);
    ASSERT_EQ(now.modelName(), "R-4160DS");
    EXPECT_TRUE(now.isDoorStation());
    EXPECT_EQ(now.number(), "15");
    EXPECT_EQ(now.name(), "FRONT");
    EXPECT_EQ(now.micLevel(), 3);
    EXPECT_EQ(now.speakerLevel(), 1);
    EXPECT_EQ(now.signalLevel(), 4);
    EXPECT_EQ(now.monitoringTime(), 7);
    EXPECT_EQ(now.calledStations(), Stations{&caller});

    EXPECT_EQ(caller.calledStations(), Stations{&now});
    EXPECT_EQ(caller.groupMembers(), Stations{&now});
    for (int t = 0; t < StationImpl::kTransfers; ++t)
        EXPECT_EQ(caller.transfer(StationImpl::Transfer(t)), &now) << "transfer " << t;
    EXPECT_EQ(caller.monitoringEntry(2, 3), &now);
    EXPECT_EQ(far.calledStations(), Stations{&now});
    EXPECT_EQ(far.monitoringEntry(4, 16), &now);
    EXPECT_EQ(sys.paging(4)->stations(), Stations{&now});
    EXPECT_EQ(now.settings().blockGroup(), sys.blockGroup(7));
    EXPECT_EQ(sys.blockGroup(7)->members().size(), 1u);
    EXPECT_EQ(now.remoteAnsGroup(), answering);
    EXPECT_EQ(answering->head(), &now);
    EXPECT_EQ(answering->members(), (Stations{&now, &far}));
    EXPECT_EQ(sys.findRemoteAnsGroup(&now), answering);
    EXPECT_EQ(input.remoteStation(), &now);
    EXPECT_EQ(sys.stationByNumber("15"), &now);

    // The index keeps listening to the new object.
    ASSERT_TRUE(now.setNumber("16"));
    EXPECT_EQ(sys.stationByNumber("16"), &now);
    EXPECT_EQ(sys.stationByNumber("15"), nullptr);
}

struct RefusedChange {
    const char* locale;
    const char* unit;
    int line;
    const char* model;
};

std::ostream& operator<<(std::ostream& out, const RefusedChange& c)
{
    return out << c.locale << " " << c.unit << " line " << c.line << " to " << c.model;
}

class StationModelRefused : public testing::TestWithParam<RefusedChange>
{
};

TEST_P(StationModelRefused, KeepsTheStationObject)
{
    const RefusedChange& c = GetParam();
    R4000System sys(Locale::fromCode(c.locale));
    Exchange* unit = sys.insertEquipment(1, c.unit);
    ASSERT_NE(unit, nullptr);
    const Station* before = unit->settingsRecord().stationObject(c.line);

    EXPECT_FALSE(unit->changeStationModel(c.line, c.model)) << c.unit << " " << c.model;
    EXPECT_EQ(unit->settingsRecord().stationObject(c.line), before);
}

INSTANTIATE_TEST_SUITE_P(Changes, StationModelRefused,
                         testing::Values(RefusedChange{"en", "R-4100EX", 1, "R-9999MS"},
                                         RefusedChange{"en", "R-4100EX", 1, "R-4720MS"},
                                         RefusedChange{"en", "R-4100EX", 0, "R-4100MS"},
                                         RefusedChange{"en", "R-4100EX", 17, "R-4100MS"},
                                         RefusedChange{"en", "R-4100MI", 1, "R-4100MS"},
                                         // IP stations stand alone; an exchange holds none.
                                         RefusedChange{"en", "R-4100EX", 1, "R-4760DS"},
                                         RefusedChange{"ja", "R-4100EX", 1, "R-4720MS"},
                                         // An IP station holds only a station of its own model.
                                         RefusedChange{"en", "R-4700MS", 1, "R-4100MS"},
                                         RefusedChange{"en", "R-4700MS", 2, "R-4700MS"},
                                         RefusedChange{"en", "R-4760DS", 1, "R-4160DS"},
                                         RefusedChange{"ja", "R-4720MS", 1, "R-4700MS"}));

TEST(StationRegistry, R4720MSStationOnlyUnderJapanese)
{
    for (const char* code : {"en", "ko", "ja"}) {
        R4000System sys(Locale::fromCode(code));
        StationImpl& slot = *sys.equipment(1)->settingsRecord().stationSettings(1);
        const std::unique_ptr<Station> made = sys.staManager().create("R-4720MS", slot, sys);
        EXPECT_EQ(made != nullptr, std::string(code) == "ja") << code;
        if (made) {
            EXPECT_EQ(made->displayName(), "R-4720/5MS");
            EXPECT_TRUE(made->isIPStation());
        }
    }
}

// --- IP station names -----------------------------------------------------------------

struct IPCase {
    const char* locale;
    const char* model;
};

std::ostream& operator<<(std::ostream& out, const IPCase& c)
{
    return out << c.locale << " " << c.model;
}

class IPStationName : public testing::TestWithParam<IPCase>
{
};

TEST_P(IPStationName, StationAndEquipmentCarryOneName)
{
    R4000System sys(Locale::fromCode(GetParam().locale));
    Exchange* unit = sys.insertEquipment(1, GetParam().model);
    ASSERT_NE(unit, nullptr);
    Station& s = *unit->station(1);
    EXPECT_EQ(unit->exchangeName(), GetParam().model);
    EXPECT_EQ(s.name(), GetParam().model);

    ASSERT_TRUE(s.setName("LOBBY"));
    EXPECT_EQ(unit->exchangeName(), "LOBBY");
    ASSERT_TRUE(unit->setExchangeName("DESK"));
    EXPECT_EQ(s.name(), "DESK");

    EXPECT_FALSE(s.setName("NINE-BYTE"));
    EXPECT_FALSE(unit->setExchangeName("NINE-BYTE"));
    EXPECT_EQ(unit->exchangeName(), "DESK");
    EXPECT_EQ(s.name(), "DESK");
}

INSTANTIATE_TEST_SUITE_P(Models, IPStationName,
                         testing::Values(IPCase{"en", "R-4700MS"}, IPCase{"ja", "R-4720MS"}));

// --- Model rules before writing -------------------------------------------------------

// Every setting the reset of an unused slot puts back, moved off its default.
void dirty(Station& s, Station& other, BlockGroup& group)
{
    s.setPagingReception(false);
    s.setControl(true);
    s.setDoorTimer(true);
    s.setReceiptMode(0);
    s.setManualCallSignal(false);
    s.setMicLevel(3);
    s.setSpeakerLevel(5);
    s.setSignalLevel(1);
    s.setPriorityStation(true);
    s.setPriorityLimit(true);
    s.setMonitoringTime(9);
    s.setMonitoringEntry(3, 5, &other);
    s.setTransfer(StationImpl::XferAbs, &other);
    s.setTransfer(StationImpl::XferBusy, &other);
    s.setOneTouch("onetouch_9", "99");
    s.setOneTouch("onetouch_0", "15");
    s.setBgmMode(4);
    s.addCalledStation(&other);
    s.addGroupMember(&other);
    group.addMember(&s.settings());
}

TEST_F(StationTest, UnusedStationIsResetAndLeavesItsBlockingGroup)
{
    Station& other = make(1, 5, "R-4100MS", "15");
    Station& idle = make(1, 3, "R-4100MS");
    Station& busy = make(1, 4, "R-4100MS", "14");
    BlockGroup& group = *sys.blockGroup(6);
    dirty(idle, other, group);
    dirty(busy, other, group);

    sys.applyModelRules();

    EXPECT_TRUE(idle.pagingReception());
    EXPECT_FALSE(idle.control());
    EXPECT_FALSE(idle.doorTimer());
    EXPECT_EQ(idle.receiptMode(), 1);
    EXPECT_TRUE(idle.manualCallSignal());
    EXPECT_EQ(idle.micLevel(), 2);
    EXPECT_EQ(idle.speakerLevel(), 3);
    EXPECT_EQ(idle.signalLevel(), 3);
    EXPECT_FALSE(idle.priorityStation());
    EXPECT_FALSE(idle.priorityLimit());
    EXPECT_EQ(idle.monitoringTime(), 3);
    EXPECT_EQ(idle.monitoringEntry(3, 5), nullptr);
    EXPECT_EQ(idle.transfer(StationImpl::XferAbs), nullptr);
    EXPECT_EQ(idle.transfer(StationImpl::XferBusy), nullptr);
    EXPECT_EQ(idle.oneTouch("onetouch_9"), "");
    EXPECT_EQ(idle.oneTouch("onetouch_0"), "");
    EXPECT_EQ(idle.bgmMode(), 0);
    EXPECT_TRUE(idle.calledStations().empty());
    EXPECT_TRUE(idle.groupMembers().empty());
    EXPECT_EQ(idle.settings().blockGroup(), nullptr);

    // A station in use keeps what its model allows.
    EXPECT_TRUE(busy.control());
    EXPECT_EQ(busy.micLevel(), 3);
    EXPECT_EQ(busy.monitoringEntry(3, 5), &other);
    EXPECT_EQ(busy.transfer(StationImpl::XferBusy), &other);
    EXPECT_EQ(busy.oneTouch("onetouch_9"), "99");
    EXPECT_EQ(busy.calledStations(), Stations{&other});
    EXPECT_EQ(busy.settings().blockGroup(), &group);
    const std::vector<BlockGroupMember*> members = {&busy.settings()};
    EXPECT_EQ(group.members(), members);
}

struct DoorCase {
    const char* unit;
    const char* model; // null: the unit's own station
};

std::ostream& operator<<(std::ostream& out, const DoorCase& c)
{
    return out << c.unit << " " << (c.model ? c.model : "");
}

class DoorStationRules : public StationTest, public testing::WithParamInterface<DoorCase>
{
};

TEST_P(DoorStationRules, DropWhatADoorStationCannotUse)
{
    ASSERT_NE(sys.insertEquipment(3, GetParam().unit), nullptr);
    Station& master = make(1, 1, "R-4100MS", "11");
    make(1, 2, "R-4160DS", "12");
    Station& door = GetParam().model ? make(3, 1, GetParam().model, "31") : at(3, 1);
    ASSERT_TRUE(door.setNumber("31"));
    ASSERT_TRUE(door.isDoorStation());

    struct ZeroKey {
        const char* dial;
        const char* kept;
    };
    for (const ZeroKey& zero : {ZeroKey{"11", "11"}, ZeroKey{"12", ""}, ZeroKey{"31", ""},
                                ZeroKey{"99", ""}, ZeroKey{"", ""}}) {
        SCOPED_TRACE(std::string("onetouch_0=") + zero.dial);
        door.setPagingReception(true);
        door.setControl(true);
        door.setReceiptMode(0);
        door.setDoorTimer(true);
        door.setPriorityStation(true);
        door.setMicLevel(3);
        ASSERT_TRUE(door.addGroupMember(&master));
        ASSERT_TRUE(door.addCalledStation(&master));
        ASSERT_TRUE(door.setMonitoringEntry(2, 9, &master));
        for (const char* key : {"onetouch_7", "onetouch_8", "onetouch_9", "onetouch_oh"})
            ASSERT_TRUE(door.setOneTouch(key, "11"));
        ASSERT_TRUE(door.setOneTouch("onetouch_0", zero.dial));

        sys.applyModelRules();

        EXPECT_FALSE(door.pagingReception());
        EXPECT_FALSE(door.control());
        EXPECT_EQ(door.receiptMode(), 1);
        EXPECT_FALSE(door.priorityStation());
        EXPECT_TRUE(door.groupMembers().empty());
        EXPECT_EQ(door.monitoringEntry(2, 9), nullptr);
        for (const char* key : {"onetouch_7", "onetouch_8", "onetouch_9", "onetouch_oh"})
            EXPECT_EQ(door.oneTouch(key), "") << key;
        EXPECT_EQ(door.oneTouch("onetouch_0"), zero.kept);
        // Not touched by the door-station rules.
        EXPECT_TRUE(door.doorTimer());
        EXPECT_EQ(door.micLevel(), 3);
        EXPECT_EQ(door.calledStations(), Stations{&master});
    }
}

INSTANTIATE_TEST_SUITE_P(Doors, DoorStationRules,
                         testing::Values(DoorCase{"R-4100EX", "R-4160DS"},
                                         DoorCase{"R-4760DS", nullptr}));

struct TimerCase {
    const char* locale;
    const char* unit;
    const char* model; // null: the unit's own station
    bool timerKept;
};

std::ostream& operator<<(std::ostream& out, const TimerCase& c)
{
    return out << c.locale << " " << c.unit << " " << (c.model ? c.model : "");
}

class MasterDoorTimer : public testing::TestWithParam<TimerCase>
{
};

TEST_P(MasterDoorTimer, IsSwitchedOffOnMasterStations)
{
    const TimerCase& c = GetParam();
    R4000System sys(Locale::fromCode(c.locale));
    Exchange* unit = sys.insertEquipment(1, c.unit);
    ASSERT_NE(unit, nullptr);
    if (c.model) {
        ASSERT_TRUE(unit->changeStationModel(1, c.model));
    }
    Station& s = *unit->station(1);
    ASSERT_TRUE(s.setNumber("11"));
    ASSERT_TRUE(s.setDoorTimer(true));
    ASSERT_TRUE(s.setOneTouch("onetouch_7", "11"));

    sys.applyModelRules();

    EXPECT_EQ(s.doorTimer(), c.timerKept) << s.modelName();
    EXPECT_EQ(s.oneTouch("onetouch_7"), s.isDoorStation() ? "" : "11") << s.modelName();
}

INSTANTIATE_TEST_SUITE_P(Models, MasterDoorTimer,
                         testing::Values(TimerCase{"en", "R-4100EX", "R-4100MS", false},
                                         TimerCase{"en", "R-4100EX", "R-4120MS", false},
                                         TimerCase{"en", "R-4100EX", "R-4121MS", false},
                                         TimerCase{"en", "R-4100EX", "R-4130MS", false},
                                         TimerCase{"en", "R-4100EX", "R-4142MS", false},
                                         TimerCase{"en", "R-4700MS", nullptr, false},
                                         TimerCase{"ja", "R-4720MS", nullptr, false},
                                         TimerCase{"en", "R-4100EX", "R-4160DS", true},
                                         TimerCase{"en", "R-4760DS", nullptr, true}));

// --- Message paging -------------------------------------------------------------------

enum StartModes { NoModes = 0, DialOnly = 2, AllModes = 7 }; // bit per mode, in table order

struct PagingCase {
    const char* locale;
    const char* unit;
    const char* model; // null: the unit's own station
    int modes;
    const char* modeAfterwards;
};

std::ostream& operator<<(std::ostream& out, const PagingCase& c)
{
    return out << c.locale << " " << c.unit << " " << (c.model ? c.model : "");
}

class MessagePaging : public testing::TestWithParam<PagingCase>
{
};

TEST_P(MessagePaging, ExistsOnlyOnIPMasterStations)
{
    const PagingCase& c = GetParam();
    R4000System sys(Locale::fromCode(c.locale));
    Exchange* unit = sys.insertEquipment(1, c.unit);
    ASSERT_NE(unit, nullptr);
    ASSERT_NE(sys.insertEquipment(2, "R-4100MI"), nullptr);
    ContactOut* contact = sys.equipment(2)->contactOut(1);
    if (c.model) {
        ASSERT_TRUE(unit->changeStationModel(1, c.model));
    }
    Station& s = *unit->station(1);
    ASSERT_TRUE(s.setNumber("11"));
    const bool supported = c.modes != NoModes;
    SCOPED_TRACE(std::string(s.modelName()));

    EXPECT_EQ(s.setMessagePaging(true), supported);
    EXPECT_EQ(s.messagePaging(), supported);
    EXPECT_EQ(s.setMessagePagingText("DISABLE"), supported);
    EXPECT_FALSE(s.messagePaging());
    EXPECT_EQ(s.setMessagePagingText("ENABLE"), supported);
    EXPECT_FALSE(s.setMessagePagingText("ON"));
    EXPECT_EQ(s.setMessagePagingZone(sys.paging(3)), supported);
    EXPECT_EQ(s.messagePagingZone(), supported ? sys.paging(3) : nullptr);
    EXPECT_EQ(s.setInterlockMode("oneshot"), supported);
    EXPECT_EQ(s.interlockMode(), supported ? "ONESHOT" : "BUSY");
    EXPECT_FALSE(s.setInterlockMode("LATCH"));
    EXPECT_EQ(s.setInterlockContact(contact), supported);
    EXPECT_EQ(s.interlockContact(), supported ? contact : nullptr);

    const char* modes[] = {"both", "dial_operation", "external_input"};
    const char* stored[] = {"BOTH", "DIAL_OPERATION", "EXTERNAL_INPUT"};
    for (int i = 0; i < 3; ++i) {
        const bool accepted = (c.modes >> i) & 1;
        EXPECT_EQ(s.setStartMode(modes[i]), accepted) << modes[i];
        if (accepted) {
            EXPECT_EQ(s.startMode(), stored[i]);
        }
    }
    EXPECT_FALSE(s.setStartMode("SOMETIMES"));
    EXPECT_EQ(s.startMode(), c.modeAfterwards);

    // Whatever the record holds, the writer leaves message paging on only where it exists.
    s.settings().messagePaging = true;
    sys.applyModelRules();
    EXPECT_EQ(s.settings().messagePaging, supported);
}

INSTANTIATE_TEST_SUITE_P(
    Models, MessagePaging,
    testing::Values(PagingCase{"en", "R-4100EX", "R-4100MS", NoModes, "BOTH"},
                    PagingCase{"en", "R-4100EX", "R-4142MS", NoModes, "BOTH"},
                    PagingCase{"en", "R-4100EX", "R-4160DS", NoModes, "BOTH"},
                    PagingCase{"en", "R-4760DS", nullptr, NoModes, "BOTH"},
                    PagingCase{"en", "R-4700MS", nullptr, DialOnly, "DIAL_OPERATION"},
                    PagingCase{"ja", "R-4720MS", nullptr, AllModes, "EXTERNAL_INPUT"}));

TEST(MessagePagingStartMode, R4700MSReadsDialOperationWhateverTheRecordHolds)
{
    R4000System sys;
    Station& s = *sys.insertEquipment(1, "R-4700MS")->station(1);
    EXPECT_EQ(s.settings().startMode, "BOTH");
    EXPECT_EQ(s.startMode(), "DIAL_OPERATION");
}

} // namespace
