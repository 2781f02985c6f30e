#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "PasswordCodec.h"
#include "R4000System.h"
#include "Station.h"
#include "SystemFixture.h"

#include <gtest/gtest.h>

namespace {

class SystemTest : public SystemFixture
{
};

TEST_F(SystemTest, EmptyModelHasEightyPlaceholdersAndDefaults)
{
    EXPECT_EQ(sys.registeredCount(), 0);
    for (int n = 1; n <= 80; ++n) {
        ASSERT_NE(sys.equipment(n), nullptr);
        EXPECT_EQ(sys.equipment(n)->modelName(), "NONE");
        EXPECT_EQ(sys.equipment(n)->exchangeNumber(), n);
    }
    EXPECT_EQ(sys.equipment(0), nullptr);
    EXPECT_EQ(sys.equipment(81), nullptr);
    EXPECT_EQ(sys.systemName(), "R-4000");
    EXPECT_EQ(sys.password(), PasswordCodec::kDefaultStored);
    EXPECT_EQ(sys.plainPassword(), PasswordCodec::kDefaultPlain);
    EXPECT_EQ(sys.maintenancePassword(), "8629");
    EXPECT_EQ(sys.stationDigits(), 2);
    EXPECT_EQ(sys.pagingDigits(), 1);
    EXPECT_EQ(sys.controlDigits(), 2);
    EXPECT_EQ(sys.multicastAddressText(), "225.0.0.1");
    EXPECT_EQ(sys.multicastPort(), 6000);
    EXPECT_EQ(sys.paging(160)->name(), "pag 160");
    EXPECT_EQ(sys.paging(161), nullptr);
    EXPECT_EQ(sys.blockGroup(32), nullptr);
    EXPECT_EQ(sys.staManager().modelList(),
              "NONE|R-4100MS|R-4120MS|R-4121MS|R-4130MS|R-4142MS|R-4160DS|R-4700MS|R-4760DS|"
              "R-4720MS");
}

TEST_F(SystemTest, DefaultGroupRelatesToEveryGroupAndZone)
{
    const BlockGroup& group0 = *sys.blockGroup(0);
    EXPECT_EQ(group0.callBlocks().size(), 32u);
    EXPECT_EQ(group0.pagingBlocks().size(), 161u);
    EXPECT_EQ(sys.blockGroup(7)->callBlocks(), std::set<int>{0});
    // 80 slots of 16 stations, 2 audio inputs and 16 contact outputs.
    EXPECT_EQ(group0.members().size(), 80u * (16 + 2 + 16));
}

TEST_F(SystemTest, InsertAtOneRenumbersAndOpensConnections)
{
    fill({"R-4100EX", "R-4100EX", "R-4100EX"});
    unit(1).setExchangeName("first");
    unit(2).setConnectable(3, false);
    unit(2).setReceiveMulticast(1, false);

    Exchange* inserted = sys.insertEquipment(1, "R-4100MI");
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(sys.registeredCount(), 4);
    EXPECT_EQ(inserted->exchangeNumber(), 1);
    EXPECT_EQ(unit(1).modelName(), "R-4100MI");
    EXPECT_EQ(unit(2).exchangeName(), "first");
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(unit(n).exchangeNumber(), n);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_TRUE(unit(n).isConnectable(1)) << n;
        EXPECT_TRUE(unit(n).isReceiveMulticast(1)) << n;
    }
    // The flags between the old units moved along with them.
    EXPECT_FALSE(unit(3).isConnectable(4));
    EXPECT_FALSE(unit(4).isConnectable(3));
    EXPECT_FALSE(unit(3).isReceiveMulticast(2));
    EXPECT_EQ(unit(5).modelName(), "NONE");
}

TEST_F(SystemTest, InsertRefusesWhenFullOrOutOfRange)
{
    EXPECT_EQ(sys.insertEquipment(0, "R-4100EX"), nullptr);
    EXPECT_EQ(sys.insertEquipment(2, "R-4100EX"), nullptr) << "would leave slot 1 empty";
    EXPECT_EQ(sys.insertEquipment(1, "R-9999XX"), nullptr);
    EXPECT_EQ(sys.registeredCount(), 0);
    for (int n = 1; n <= 80; ++n)
        ASSERT_NE(sys.insertEquipment(n, "R-4100EX"), nullptr);
    EXPECT_EQ(sys.insertEquipment(1, "R-4100EX"), nullptr);
    EXPECT_EQ(sys.registeredCount(), 80);
}

TEST_F(SystemTest, NewEquipmentTakesTheSystemCredentials)
{
    ASSERT_TRUE(sys.setSystemName("Plant"));
    const std::string stored = PasswordCodec::encode("pw", "Plant");
    ASSERT_TRUE(sys.setPassword(stored));
    Exchange* e = sys.insertEquipment(1, "R-4100EX");
    EXPECT_EQ(e->systemName(), "Plant");
    EXPECT_EQ(e->password(), stored);
}

TEST_F(SystemTest, RemoveRenumbersAndLeavesAFreshPlaceholder)
{
    fill({"R-4100EX", "R-4120EX", "R-4100MI", "R-4700MS"});
    unit(3).setExchangeName("mi");
    unit(2).setIpAddressText("10.0.0.2");
    unit(4).setConnectable(1, false);

    ASSERT_TRUE(sys.removeEquipment(2));
    EXPECT_EQ(sys.registeredCount(), 3);
    EXPECT_EQ(unit(2).modelName(), "R-4100MI");
    EXPECT_EQ(unit(2).exchangeName(), "mi");
    EXPECT_EQ(unit(3).modelName(), "R-4700MS");
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(unit(n).exchangeNumber(), n);
    EXPECT_EQ(unit(4).modelName(), "NONE");
    EXPECT_EQ(unit(4).ipAddressText(), "0.0.0.0") << "the removed unit's settings are gone";
    EXPECT_FALSE(unit(3).isConnectable(1));
    EXPECT_FALSE(unit(1).isConnectable(3));

    // A unit inserted later starts from defaults, not from the removed one.
    Exchange* again = sys.insertEquipment(4, "R-4120EX");
    EXPECT_EQ(again->ipAddressText(), "0.0.0.0");
    EXPECT_FALSE(sys.removeEquipment(0));
    EXPECT_FALSE(sys.removeEquipment(5));
}

TEST_F(SystemTest, ModelChangeKeepsTheSettingsRecord)
{
    fill({"R-4100EX", "R-4100EX"});
    Exchange& before = unit(2);
    ASSERT_TRUE(before.setIpAddressText("192.168.1.10"));
    ASSERT_TRUE(before.setSubnetMaskText("255.255.255.0"));
    ASSERT_TRUE(before.setWebsPort(8080));
    ASSERT_TRUE(before.audioOut(1)->setMode("NONE"));

    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100MI"));
    EXPECT_EQ(unit(2).modelName(), "R-4100MI");
    EXPECT_EQ(unit(2).audioOut(1)->modeName(), "NONE");
    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100EX"));
    EXPECT_EQ(unit(2).ipAddressText(), "192.168.1.10");
    EXPECT_EQ(unit(2).subnetMaskText(), "255.255.255.0");
    EXPECT_EQ(unit(2).websPort(), 8080);
    EXPECT_EQ(unit(2).exchangeName(), "R-4100EX");
    EXPECT_EQ(unit(2).audioOut(1)->modeName(), "PA_PAG") << "creation sets PA paging again";
    EXPECT_EQ(sys.registeredCount(), 2);

    EXPECT_FALSE(sys.changeEquipmentModel(2, "R-0000"));
    EXPECT_EQ(unit(2).modelName(), "R-4100EX");
}

TEST_F(SystemTest, EquipmentInUseStaysInTheFirstSlots)
{
    fill({"R-4100EX", "R-4100EX", "R-4100EX"});
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(unit(n).setIpAddressText("10.0.0." + std::to_string(n)));

    EXPECT_FALSE(sys.changeEquipmentModel(2, "NONE")) << "would leave a gap at 2";
    EXPECT_FALSE(sys.changeEquipmentModel(5, "R-4100EX")) << "would leave a gap at 4";
    EXPECT_EQ(sys.insertEquipment(4, "NONE"), nullptr);
    EXPECT_EQ(sys.registeredCount(), 3);

    ASSERT_TRUE(sys.changeEquipmentModel(3, "NONE"));
    EXPECT_EQ(sys.registeredCount(), 2);
    ASSERT_TRUE(sys.changeEquipmentModel(3, "R-4120EX"));
    EXPECT_EQ(sys.registeredCount(), 3);
    ASSERT_NE(sys.insertEquipment(2, "R-4100MI"), nullptr);
    // Nobody was overwritten on the way.
    for (int n : {1, 3, 4})
        EXPECT_EQ(unit(n).ipAddressText(), "10.0.0." + std::to_string(n == 1 ? 1 : n - 1));
    int used = 0;
    for (int n = 1; n <= 80; ++n)
        used += !unit(n).isNone();
    EXPECT_EQ(used, sys.registeredCount());
}

TEST_F(SystemTest, LinesAreFoundByUnitAndNumberWhateverTheModel)
{
    fill({"R-4100EX"});
    EXPECT_EQ(sys.stationAt(1, 16), unit(1).station(16));
    EXPECT_NE(sys.contactOutAt(1, 16), nullptr) << "kept in the settings of any model";
    EXPECT_EQ(unit(1).contactOut(16), nullptr);
    EXPECT_EQ(sys.stationAt(0, 1), nullptr);
    EXPECT_EQ(sys.stationAt(81, 1), nullptr);
    EXPECT_EQ(sys.stationAt(1, 17), nullptr);
    EXPECT_EQ(sys.audioInAt(1, 3), nullptr);
}

TEST_F(SystemTest, RepairsLeaveUnusedSlotsAlone)
{
    fill({"R-4100EX"});
    sys.applyModelRules();
    Exchange* mi = sys.insertEquipment(2, "R-4100MI");
    EXPECT_EQ(mi->audioIn(1)->blockGroup(), sys.blockGroup(0));
    EXPECT_EQ(mi->contactOut(16)->blockGroup(), sys.blockGroup(0));
}

TEST(SystemLocale, R4720MSExistsOnlyUnderJapanese)
{
    R4000System english(Locale::fromCode("en"));
    EXPECT_EQ(english.insertEquipment(1, "R-4720MS"), nullptr);
    EXPECT_FALSE(english.staManager().knows("R-4720MS"));

    R4000System japanese(Locale::fromCode("JA"));
    Exchange* e = japanese.insertEquipment(1, "R-4720MS");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->displayName(), "R-4720/5MS");
    EXPECT_EQ(e->station(1)->modelName(), "R-4720MS");
}

struct NameCase {
    const char* name;
    bool valid;
};

class SystemName : public testing::TestWithParam<NameCase>
{
};

TEST_P(SystemName, KeepsTheOldNameOnRefusal)
{
    R4000System sys;
    EXPECT_EQ(sys.setSystemName(GetParam().name), GetParam().valid);
    EXPECT_EQ(sys.systemName(), GetParam().valid ? GetParam().name : "R-4000");
}

INSTANTIATE_TEST_SUITE_P(Names, SystemName,
                         testing::Values(NameCase{"A", true}, NameCase{"Plant 7-B", true},
                                         NameCase{"123456789012345", true},
                                         NameCase{"1234567890123456", false}, NameCase{"", false},
                                         NameCase{"a;b", false}, NameCase{"a/b", false},
                                         NameCase{"a\\b", false}, NameCase{"a|b", false},
                                         NameCase{"a\"b", false}, NameCase{"caf\xe9", false},
                                         NameCase{"tab\there", false}));

TEST(SystemPasswords, PasswordMustDecodeUnderTheCurrentName)
{
    R4000System sys;
    ASSERT_TRUE(sys.setSystemName("Plant"));
    const std::string stored = PasswordCodec::encode("open sesame", "Plant");
    EXPECT_TRUE(sys.setPassword(stored));
    EXPECT_EQ(sys.plainPassword(), "open sesame");
    EXPECT_FALSE(sys.setPassword(PasswordCodec::encode("x\x01y", "Plant"))) << "control char";
    EXPECT_FALSE(sys.setPassword(PasswordCodec::encode("", "Plant"))) << "empty";
    EXPECT_FALSE(sys.setPassword("123"));
    EXPECT_FALSE(sys.setPassword("9999999999" + stored.substr(10)));
    EXPECT_EQ(sys.password(), stored);
}

TEST(SystemPasswords, MaintenancePasswordIsFourDigits)
{
    R4000System sys;
    EXPECT_FALSE(sys.setMaintenancePassword("123"));
    EXPECT_FALSE(sys.setMaintenancePassword("12a4"));
    EXPECT_FALSE(sys.setMaintenancePassword("12345"));
    EXPECT_EQ(sys.maintenancePassword(), "8629");
    EXPECT_TRUE(sys.setMaintenancePassword("0000"));
    EXPECT_EQ(sys.maintenancePassword(), "0000");
}

TEST(SystemSettings, DigitCountsAndMulticast)
{
    R4000System sys;
    struct Case {
        bool (System::*set)(int);
        int (System::*get)() const;
        int low, high;
    };
    const Case cases[] = {{&System::setStationDigits, &System::stationDigits, 2, 6},
                          {&System::setPagingDigits, &System::pagingDigits, 1, 3},
                          {&System::setControlDigits, &System::controlDigits, 2, 4}};
    for (const Case& c : cases) {
        EXPECT_TRUE((sys.*c.set)(c.high));
        EXPECT_FALSE((sys.*c.set)(c.low - 1));
        EXPECT_FALSE((sys.*c.set)(c.high + 1));
        EXPECT_EQ((sys.*c.get)(), c.high);
        EXPECT_TRUE((sys.*c.set)(c.low));
    }

    EXPECT_FALSE(sys.setMulticastAddress(Ipv4Address(224, 0, 0, 1)));
    EXPECT_FALSE(sys.setMulticastAddress(Ipv4Address(239, 0, 0, 1)));
    EXPECT_TRUE(sys.setMulticastAddress(Ipv4Address(238, 255, 255, 255)));
    for (int n : {1, 80})
        EXPECT_EQ(sys.equipment(n)->multicastAddressText(), "238.255.255.255");

    sys.setMulticastPort(0);
    EXPECT_EQ(sys.multicastPort(), 6000);
    sys.setMulticastPort(7000);
    EXPECT_EQ(sys.equipment(7)->multicastPort(), 7024);
}

TEST_F(SystemTest, StationsHiddenByTheModelAreNotFoundByNumber)
{
    fill({"R-4100EX", "R-4100EX"});
    make(2, 5, "R-4100MS", "25");
    Station& other = make(1, 5, "R-4100MS", "15");
    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100MI"));
    EXPECT_EQ(sys.stationByNumber("25"), nullptr) << "the MI has no stations";
    ASSERT_TRUE(other.setNumber("25"));
    EXPECT_EQ(sys.stationByNumber("25"), &other);
    ASSERT_TRUE(other.setNumber("15"));
    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100EX"));
    EXPECT_EQ(sys.stationByNumber("25"), &at(2, 5)) << "back with its number";
}

TEST_F(SystemTest, NumberIndexFollowsNumbersAndKeepsDuplicatesInOrder)
{
    fill({"R-4100EX", "R-4100EX"});
    Station& a = *unit(1).station(3);
    Station& b = *unit(2).station(1);
    ASSERT_TRUE(a.setNumber("21"));
    ASSERT_TRUE(b.setNumber("21"));
    EXPECT_EQ(sys.stationByNumber("21"), &a);
    ASSERT_TRUE(a.setNumber("22"));
    EXPECT_EQ(sys.stationByNumber("21"), &b);
    EXPECT_EQ(sys.stationByNumber("22"), &a);
    ASSERT_TRUE(a.setNumber(""));
    EXPECT_EQ(sys.stationByNumber("22"), nullptr);

    // A number set quietly by a reader is entered under its current value.
    ASSERT_TRUE(b.setByKey("sta_no", "35"));
    sys.indexStation(b);
    EXPECT_EQ(sys.stationByNumber("35"), &b);
    EXPECT_EQ(sys.stationByNumber("21"), nullptr);
}

TEST_F(SystemTest, ObserversHearTheKeyOnce)
{
    struct Recorder : Observer {
        std::vector<std::string> hints;
        void update(Observable&, std::string_view hint) override { hints.emplace_back(hint); }
    } recorder;
    fill({"R-4100EX"});
    unit(1).addObserver(&recorder);
    unit(1).addObserver(&recorder);
    ASSERT_TRUE(unit(1).setNetworkId(5));
    unit(1).notifyObservers("network_id");
    unit(1).notifyObservers("network_id");
    EXPECT_EQ(recorder.hints, std::vector<std::string>{"network_id"});
    unit(1).deleteObserver(&recorder);
    unit(1).setNetworkId(6);
    unit(1).notifyObservers("network_id");
    EXPECT_EQ(recorder.hints.size(), 1u);
}

} // namespace
