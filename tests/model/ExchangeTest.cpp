#include "Exchange.h"

#include "AudioIn.h"
#include "R4000System.h"
#include "Station.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class ExchangeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ex = sys.insertEquipment(1, "R-4100EX");
        ASSERT_NE(ex, nullptr);
    }

    R4000System sys;
    Exchange* ex = nullptr;
};

TEST_F(ExchangeTest, AddressBeforeMask)
{
    EXPECT_FALSE(ex->setSubnetMaskText("255.255.255.0")) << "0.0.0.0 has no host part";
    EXPECT_TRUE(ex->setIpAddressText("192.168.1.10"));
    EXPECT_TRUE(ex->setSubnetMaskText("255.255.255.0"));
    EXPECT_FALSE(ex->setSubnetMaskText("255.255.255.254"));
    EXPECT_EQ(ex->subnetMaskText(), "255.255.255.0");
    // A mask under which the present address would be the broadcast address is refused.
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.3"));
    EXPECT_FALSE(ex->setSubnetMaskText("255.255.255.252"));
}

struct AddressCase {
    const char* label;
    std::function<bool(Exchange&, const char*)> set;
    std::function<std::string(const Exchange&)> get;
    const char* value;
    bool accepted;
};

class AddressRule : public ExchangeTest, public testing::WithParamInterface<AddressCase>
{
};

TEST_P(AddressRule, RefusalKeepsTheOldValue)
{
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.10"));
    ASSERT_TRUE(ex->setSubnetMaskText("255.255.255.0"));
    const AddressCase& c = GetParam();
    const std::string before = c.get(*ex);
    EXPECT_EQ(c.set(*ex, c.value), c.accepted) << c.label << " " << c.value;
    EXPECT_EQ(c.get(*ex), c.accepted ? std::string(c.value) : before);
}

const auto kIp = [](Exchange& e, const char* v) { return e.setIpAddressText(v); };
const auto kIpGet = [](const Exchange& e) { return e.ipAddressText(); };
const auto kGw = [](Exchange& e, const char* v) { return e.setGatewayAddressText(v); };
const auto kGwGet = [](const Exchange& e) { return e.gatewayAddressText(); };
const auto kSrc = [](Exchange& e, const char* v) { return e.setSynSource(v); };
const auto kSrcGet = [](const Exchange& e) { return e.synSourceText(); };
const auto kMc = [](Exchange& e, const char* v) { return e.setMulticastAddressText(v); };
const auto kMcGet = [](const Exchange& e) { return e.multicastAddressText(); };
const auto kWan = [](Exchange& e, const char* v) { return e.setWanIpAddressText(v); };
const auto kWanGet = [](const Exchange& e) { return e.wanIpAddressText(); };
const auto kSm = [](Exchange& e, const char* v) { return e.setSynMulti(v); };
const auto kSmGet = [](const Exchange& e) { return e.synMultiText(); };

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressRule,
    testing::Values(AddressCase{"ip", kIp, kIpGet, "192.168.1.20", true},
                    AddressCase{"ip", kIp, kIpGet, "192.168.1.0", false},
                    AddressCase{"ip", kIp, kIpGet, "192.168.1.255", false},
                    AddressCase{"ip", kIp, kIpGet, "127.0.0.1", false},
                    AddressCase{"ip", kIp, kIpGet, "192.168.1", false},
                    AddressCase{"gateway", kGw, kGwGet, "0.0.0.0", true},
                    AddressCase{"gateway", kGw, kGwGet, "192.168.1.1", true},
                    AddressCase{"gateway", kGw, kGwGet, "192.168.1.255", false},
                    AddressCase{"gateway", kGw, kGwGet, "192.168.1.0", false},
                    AddressCase{"source", kSrc, kSrcGet, "192.168.1.11", true},
                    AddressCase{"source", kSrc, kSrcGet, "192.168.1.10", false},
                    AddressCase{"source", kSrc, kSrcGet, "192.168.1.0", false},
                    AddressCase{"source", kSrc, kSrcGet, "192.168.1.255", false},
                    AddressCase{"multicast", kMc, kMcGet, "225.0.0.0", true},
                    AddressCase{"multicast", kMc, kMcGet, "238.255.255.255", true},
                    AddressCase{"multicast", kMc, kMcGet, "224.0.0.1", false},
                    AddressCase{"multicast", kMc, kMcGet, "239.0.0.1", false},
                    AddressCase{"wan", kWan, kWanGet, "8.8.8.8", true},
                    AddressCase{"wan", kWan, kWanGet, "0.0.0.0", false},
                    AddressCase{"wan", kWan, kWanGet, "255.255.255.255", false},
                    AddressCase{"syn_multi", kSm, kSmGet, "230.1.1.1", true},
                    AddressCase{"syn_multi", kSm, kSmGet, "0.0.0.0", true},
                    AddressCase{"syn_multi", kSm, kSmGet, "192.168.1.1", false}));

struct NumberCase {
    const char* label;
    std::function<bool(Exchange&, int)> set;
    std::function<int(const Exchange&)> get;
    int value;
    bool accepted;
};

class NumberRule : public ExchangeTest, public testing::WithParamInterface<NumberCase>
{
};

TEST_P(NumberRule, RefusalKeepsTheOldValue)
{
    const NumberCase& c = GetParam();
    const int before = c.get(*ex);
    EXPECT_EQ(c.set(*ex, c.value), c.accepted) << c.label << " " << c.value;
    EXPECT_EQ(c.get(*ex), c.accepted ? c.value : before) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Ports, NumberRule,
    testing::Values(
        NumberCase{"webs", &Exchange::setWebsPort, &Exchange::websPort, 0, false},
        NumberCase{"webs", &Exchange::setWebsPort, &Exchange::websPort, 65535, true},
        NumberCase{"tcp", &Exchange::setTcpPort, &Exchange::tcpPort, 65532, true},
        NumberCase{"tcp", &Exchange::setTcpPort, &Exchange::tcpPort, 65533, false},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 5006, true},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 5007, false},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 14980, true},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 14990, false},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 15000, false},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 65516, true},
        NumberCase{"udp", &Exchange::setUdpPort, &Exchange::udpPort, 65518, false},
        NumberCase{"wan udp", &Exchange::setWanUdpPort, &Exchange::wanUdpPort, 5007, true},
        NumberCase{"wan udp", &Exchange::setWanUdpPort, &Exchange::wanUdpPort, 65517, false},
        NumberCase{"wan tcp", &Exchange::setWanTcpPort, &Exchange::wanTcpPort, 65533, false},
        NumberCase{"wan webs", &Exchange::setWanWebsPort, &Exchange::wanWebsPort, 0, false},
        NumberCase{"no answer", &Exchange::setNoAnswerTime, &Exchange::noAnswerTime, 0, false},
        NumberCase{"no answer", &Exchange::setNoAnswerTime, &Exchange::noAnswerTime, 99, true},
        NumberCase{"no answer", &Exchange::setNoAnswerTime, &Exchange::noAnswerTime, 100, false},
        NumberCase{"alert", &Exchange::setCallTimeLimit, &Exchange::callTimeLimit, 0, true},
        NumberCase{"alert", &Exchange::setCallTimeLimit, &Exchange::callTimeLimit, 100, false},
        NumberCase{"conversation", &Exchange::setConversationTimeLimit,
                   &Exchange::conversationTimeLimit, 99, true},
        NumberCase{"conversation", &Exchange::setConversationTimeLimit,
                   &Exchange::conversationTimeLimit, -1, false},
        NumberCase{"paging", &Exchange::setPagingTimeLimit, &Exchange::pagingTimeLimit, 100, false},
        NumberCase{"one shot", &Exchange::setOneShotTime, &Exchange::oneShotTime, 9, true},
        NumberCase{"one shot", &Exchange::setOneShotTime, &Exchange::oneShotTime, 10, false}));

struct TextCase {
    const char* label;
    std::function<bool(Exchange&, const char*)> set;
    std::function<std::string(const Exchange&)> get;
    const char* value;
    bool accepted;
    const char* stored; // what reads back after acceptance
};

class TextRule : public ExchangeTest, public testing::WithParamInterface<TextCase>
{
};

TEST_P(TextRule, RefusalKeepsTheOldValue)
{
    const TextCase& c = GetParam();
    const std::string before = c.get(*ex);
    EXPECT_EQ(c.set(*ex, c.value), c.accepted) << c.label << " '" << c.value << "'";
    EXPECT_EQ(c.get(*ex), c.accepted ? std::string(c.stored) : before) << c.label;
}

const auto kStart = [](Exchange& e, const char* v) { return e.setTransferStartTime(v); };
const auto kStartGet = [](const Exchange& e) { return e.transferStartTime(); };
const auto kName = [](Exchange& e, const char* v) { return e.setExchangeName(v); };
const auto kNameGet = [](const Exchange& e) { return e.exchangeName(); };
const auto kPass = [](Exchange& e, const char* v) { return e.setPassword(v); };
const auto kPassGet = [](const Exchange& e) { return e.password(); };
const auto kRange = [](Exchange& e, const char* v) { return e.setRange(v); };
const auto kRangeGet = [](const Exchange& e) { return e.rangeValue(); };
const auto kSyn = [](Exchange& e, const char* v) { return e.setSynMode(v); };
const auto kSynGet = [](const Exchange& e) { return e.synMode(); };
const auto kDs = [](Exchange& e, const char* v) { return e.setDsOutMode(v); };
const auto kDsGet = [](const Exchange& e) { return e.dsOutMode(); };
const auto kFwd = [](Exchange& e, const char* v) { return e.setCallForwardingText(v); };
const auto kFwdGet = [](const Exchange& e) { return std::string(e.callForwarding() ? "1" : "0"); };
const auto kAns = [](Exchange& e, const char* v) { return e.setPagingAnswerModeText(v); };
const auto kAnsGet = [](const Exchange& e) { return std::string(e.pagingAnswerModeText()); };
const auto kCpi = [](Exchange& e, const char* v) { return e.setCallingPartyIndicationModeText(v); };
const auto kCpiGet = [](const Exchange& e) {
    return std::string(e.callingPartyIndicationModeText());
};

INSTANTIATE_TEST_SUITE_P(
    Texts, TextRule,
    testing::Values(
        TextCase{"time", kStart, kStartGet, "23:59", true, "23:59"},
        TextCase{"time", kStart, kStartGet, "0:5", true, "0:5"},
        TextCase{"time", kStart, kStartGet, "24:00", false, ""},
        TextCase{"time", kStart, kStartGet, "12:60", false, ""},
        TextCase{"time", kStart, kStartGet, "12h30", false, ""},
        TextCase{"time", kStart, kStartGet, "99999999999999999999:00", false, ""},
        TextCase{"name", kName, kNameGet, "12345678", true, "12345678"},
        TextCase{"name", kName, kNameGet, "123456789", false, ""},
        TextCase{"name", kName, kNameGet, "", false, ""},
        TextCase{"name", kName, kNameGet, "a\nb", false, ""},
        TextCase{"passwd", kPass, kPassGet, "1234567890123456789012345678901234567890", true,
                 "1234567890123456789012345678901234567890"},
        TextCase{"passwd", kPass, kPassGet, "123456789012345678901234567890123456789", false, ""},
        TextCase{"range", kRange, kRangeGet, "49.5", true, "49.5"},
        TextCase{"range", kRange, kRangeGet, "0", false, ""},
        TextCase{"range", kRange, kRangeGet, "x1", false, ""},
        TextCase{"syn_mode", kSyn, kSynGet, "source", true, "source"},
        TextCase{"syn_mode", kSyn, kSynGet, "MANUAL", false, ""},
        TextCase{"ds_out", kDs, kDsGet, "ds_busy", true, "ds_busy"},
        TextCase{"ds_out", kDs, kDsGet, "DS_OPEN", false, ""},
        TextCase{"forwarding", kFwd, kFwdGet, "on", true, "1"},
        TextCase{"forwarding", kFwd, kFwdGet, "yes", false, ""},
        TextCase{"answer", kAns, kAnsGet, "auto", true, "AUTO"},
        TextCase{"answer", kAns, kAnsGet, "AUTOMATIC", false, ""},
        TextCase{"calling", kCpi, kCpiGet, "response_activated", true, "RESPONSE_ACTIVATED"},
        TextCase{"calling", kCpi, kCpiGet, "NONE", false, ""}));

TEST_F(ExchangeTest, StreamSpecTakesOnlyThePairsOfTheThreeModes)
{
    EXPECT_FALSE(ex->setStreamSpec(16, 32));
    EXPECT_FALSE(ex->setStreamSpec(8, 64));
    EXPECT_EQ(ex->samplingFrequency(), 16);
    EXPECT_EQ(ex->packetLength(), 64);
    EXPECT_TRUE(ex->setStreamSpec(8, 128));
    EXPECT_EQ(ex->samplingFrequency(), 8);
    EXPECT_EQ(ex->packetLength(), 128);
}

TEST_F(ExchangeTest, ConnectionTableStaysSymmetric)
{
    for (int n = 2; n <= 5; ++n)
        ASSERT_NE(sys.insertEquipment(n, "R-4100EX"), nullptr);
    Exchange& three = *sys.equipment(3);
    EXPECT_TRUE(three.setConnectable(5, false));
    EXPECT_FALSE(sys.equipment(5)->isConnectable(3));
    EXPECT_TRUE(sys.equipment(5)->setConnectable(3, true));
    EXPECT_TRUE(three.isConnectable(5));
    EXPECT_FALSE(three.setConnectable(0, false));
    EXPECT_FALSE(three.setConnectable(81, false));
    EXPECT_FALSE(three.isConnectable(81));
}

TEST_F(ExchangeTest, SwitchingNaptOffCopiesLanValuesOverWan)
{
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.10"));
    ex->setNapt(true);
    ASSERT_TRUE(ex->setWanIpAddressText("203.0.113.5"));
    ASSERT_TRUE(ex->setWanWebsPort(8080));
    ASSERT_TRUE(ex->setNetworkId(7));
    ex->updateNaptFromValues();
    EXPECT_TRUE(ex->napt());

    ex->setNapt(false);
    EXPECT_EQ(ex->wanIpAddressText(), "192.168.1.10");
    EXPECT_EQ(ex->wanWebsPort(), 80);
    EXPECT_EQ(ex->wanTcpPort(), ex->tcpPort());
    EXPECT_EQ(ex->wanUdpPort(), ex->udpPort());
    EXPECT_EQ(ex->networkId(), 1);
    ex->updateNaptFromValues();
    EXPECT_FALSE(ex->napt());
}

TEST_F(ExchangeTest, NaptSurvivesAModelChange)
{
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.10"));
    ex->setNapt(true);
    ASSERT_TRUE(ex->setWanIpAddressText("203.0.113.5"));
    ASSERT_TRUE(sys.changeEquipmentModel(1, "R-4120EX"));
    Exchange& changed = *sys.equipment(1);
    changed.mirrorWanValues();
    EXPECT_EQ(changed.wanIpAddressText(), "203.0.113.5");
}

TEST_F(ExchangeTest, PagingPortFollowsTheNumber)
{
    for (int n = 2; n <= 7; ++n)
        ASSERT_NE(sys.insertEquipment(n, "R-4100EX"), nullptr);
    EXPECT_EQ(sys.equipment(1)->multicastPort(), 6000);
    EXPECT_EQ(sys.equipment(7)->multicastPort(), 6024);
    sys.removeEquipment(1);
    EXPECT_EQ(sys.equipment(6)->multicastPort(), 6020);
}

TEST_F(ExchangeTest, R4120EXHasNoPagingPriorityChoice)
{
    ASSERT_TRUE(ex->setPagingPriorityModeText("PAGING"));
    ASSERT_TRUE(sys.changeEquipmentModel(1, "R-4120EX"));
    Exchange& e = *sys.equipment(1);
    EXPECT_EQ(e.pagingPriorityModeText(), "CONVERSATION");
    EXPECT_FALSE(e.setPagingPriorityModeText("PAGING"));
    EXPECT_TRUE(e.setPagingPriorityModeText("conversation"));
    ASSERT_TRUE(sys.changeEquipmentModel(1, "R-4100EX"));
    EXPECT_EQ(sys.equipment(1)->pagingPriorityModeText(), "PAGING") << "record kept its value";
}

TEST_F(ExchangeTest, CorrectionDestinationsAreHeldOncePerAddressAndPort)
{
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.10"));
    ASSERT_TRUE(ex->setSubnetMaskText("255.255.255.0"));
    EXPECT_TRUE(ex->addSynDestination("192.168.1.20", 5006));
    EXPECT_TRUE(ex->addSynDestination("192.168.1.20", 5006));
    EXPECT_TRUE(ex->addSynDestination("230.0.0.1", 5008));
    EXPECT_FALSE(ex->addSynDestination("192.168.1.10", 5006)) << "own address";
    EXPECT_FALSE(ex->addSynDestination("192.168.1.255", 5006));
    EXPECT_EQ(ex->synDestinations(),
              (std::set<std::string>{"192.168.1.20:5006", "230.0.0.1:5008"}));
    EXPECT_TRUE(ex->removeSynDestination("230.0.0.1", 5008));
    EXPECT_FALSE(ex->removeSynDestination("230.0.0.1", 5008));
    EXPECT_FALSE(ex->addSynDestinationText(""));
}

TEST_F(ExchangeTest, CorrectionMulticastDrivesReception)
{
    ASSERT_TRUE(ex->setSynMulti("230.1.1.1"));
    EXPECT_TRUE(ex->multicastReceive());
    ASSERT_TRUE(ex->setSynMulti("0.0.0.0"));
    EXPECT_FALSE(ex->multicastReceive());

    ASSERT_TRUE(ex->setSynMulti("230.1.1.1"));
    ex->setMulticastReceive(false);
    ex->applyMulticastReceiveRule();
    EXPECT_EQ(ex->synMultiText(), "0.0.0.0");
}

TEST_F(ExchangeTest, ChangedFlagAndNotification)
{
    ex->clearChanged();
    ASSERT_TRUE(ex->setWebsPort(80));
    EXPECT_FALSE(ex->hasChanged()) << "an equal port is no change";
    ASSERT_TRUE(ex->setWebsPort(81));
    EXPECT_TRUE(ex->hasChanged());
    ex->notifyObservers("webs_port");
    EXPECT_FALSE(ex->hasChanged());
    EXPECT_FALSE(ex->setWebsPort(0));
    EXPECT_FALSE(ex->hasChanged());
}

TEST_F(ExchangeTest, LinesAreBoundedByTheModel)
{
    EXPECT_NE(ex->station(16), nullptr);
    EXPECT_EQ(ex->station(0), nullptr);
    EXPECT_EQ(ex->station(17), nullptr);
    EXPECT_EQ(ex->audioIn(1), nullptr) << "R-4100EX uses no audio input";
    EXPECT_NE(ex->audioOut(2), nullptr);
    EXPECT_EQ(ex->contactIn(1), nullptr);
    EXPECT_EQ(ex->bgmSource(9), nullptr);
    EXPECT_FALSE(ex->setBgmSource(9, nullptr));

    Exchange* mi = sys.insertEquipment(2, "R-4100MI");
    EXPECT_EQ(mi->station(1), nullptr);
    EXPECT_NE(mi->contactIn(16), nullptr);
    EXPECT_EQ(mi->contactIn(17), nullptr);
    EXPECT_FALSE(mi->setBgmSource(1, nullptr)) << "no BGM channels";
}

TEST_F(ExchangeTest, BgmSourcesOfAShrinkingOrVanishingUnitAreDropped)
{
    Exchange* mi = sys.insertEquipment(2, "R-4100MI");
    ASSERT_TRUE(mi->audioIn(2)->setMode("BGM"));
    ASSERT_TRUE(ex->setBgmSource(1, mi->audioIn(1)));
    ASSERT_TRUE(ex->setBgmSource(2, mi->audioIn(2)));

    ex->dropInvalidBgmSources();
    EXPECT_EQ(ex->bgmSource(1), nullptr) << "input 1 is not in BGM mode";
    EXPECT_EQ(ex->bgmSource(2), mi->audioIn(2));

    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100EX"));
    EXPECT_EQ(ex->bgmSource(2), nullptr) << "R-4100EX has no audio inputs";

    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100MI"));
    ASSERT_TRUE(ex->setBgmSource(2, sys.equipment(2)->audioIn(2)));
    ASSERT_TRUE(sys.removeEquipment(2));
    EXPECT_EQ(ex->bgmSource(2), nullptr);
}

TEST_F(ExchangeTest, IPStationsHoldOneStationOfTheirModel)
{
    Exchange* ms = sys.insertEquipment(2, "R-4700MS");
    EXPECT_EQ(ms->exchangeName(), "R-4700MS");
    EXPECT_EQ(ms->stationCount(), 1);
    EXPECT_EQ(ms->station(1)->modelName(), "R-4700MS");
    EXPECT_EQ(ms->station(2), nullptr);
    EXPECT_FALSE(ms->changeStationModel(1, "R-4100MS")) << "only its own model";
    EXPECT_EQ(ms->station(1)->modelName(), "R-4700MS");

    // Turned into an exchange, its IP station gives way to an empty one.
    ASSERT_TRUE(ms->station(1)->setNumber("11"));
    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100EX"));
    Station& first = *sys.equipment(2)->station(1);
    EXPECT_EQ(first.modelName(), "NONE");
    EXPECT_EQ(first.number(), "");
    EXPECT_EQ(sys.stationByNumber("11"), nullptr);
}

TEST_F(ExchangeTest, IPStationAndItsEquipmentShareOneName)
{
    struct Recorder : Observer {
        int names = 0;
        void update(Observable&, std::string_view hint) override { names += hint == "sta_name"; }
    } recorder;
    Exchange* ms = sys.insertEquipment(2, "R-4760DS");
    Station& door = *ms->station(1);
    EXPECT_EQ(door.name(), "R-4760DS");
    door.addObserver(&recorder);

    ASSERT_TRUE(ms->setExchangeName("Lobby"));
    EXPECT_EQ(door.name(), "Lobby");
    EXPECT_EQ(recorder.names, 1);
    ASSERT_TRUE(door.setName("Gate"));
    EXPECT_EQ(ms->exchangeName(), "Gate");
    EXPECT_FALSE(door.setName("")) << "the equipment needs a name";
    EXPECT_EQ(ms->exchangeName(), "Gate");

    // A station of an exchange has a name of its own.
    ASSERT_TRUE(ex->station(3)->setName("Desk"));
    EXPECT_TRUE(ex->station(3)->setName(""));
    EXPECT_EQ(ex->exchangeName(), "R-4100EX");
    EXPECT_FALSE(ex->changeStationModel(3, "R-4700MS")) << "IP stations stand alone";
}

TEST_F(ExchangeTest, IPDoorStationSwitchesCallTransferOff)
{
    Exchange* ds = sys.insertEquipment(2, "R-4760DS");
    ASSERT_TRUE(ds->setCallForwarding(true));
    ASSERT_TRUE(ds->setAbsenceTransfer(true));
    ASSERT_TRUE(ds->setTransferStartTime("8:00"));
    ASSERT_TRUE(ds->setNoAnswerTime(30));
    sys.applyModelRules();
    EXPECT_FALSE(ds->callForwarding());
    EXPECT_FALSE(ds->absenceTransfer());
    EXPECT_EQ(ds->transferStartTime(), "00:00");
    EXPECT_EQ(ds->noAnswerTime(), 10);

    ASSERT_TRUE(ex->setCallForwarding(true));
    sys.applyModelRules();
    EXPECT_TRUE(ex->callForwarding()) << "an exchange keeps its transfers";
}

TEST(ExchangeModels, ModelTable)
{
    R4000System sys(Locale::fromCode("ja"));
    struct Row {
        const char* model;
        bool exchange, ip, mi, correction, priority, remote, refusal, messages;
        int stations, audioIn, audioOut, contactIn, contactOut, bgm;
    };
    const Row rows[] = {
        {"NONE", false, false, false, false, true, true, true, false, 16, 2, 2, 16, 16, 8},
        {"R-4100EX", true, false, false, true, true, true, true, false, 16, 0, 2, 0, 0, 8},
        {"R-4120EX", true, false, false, true, false, false, false, false, 16, 0, 0, 0, 0, 8},
        {"R-4100MI", false, false, true, true, true, false, true, false, 0, 2, 2, 16, 16, 0},
        {"R-4700MS", false, true, false, false, true, true, true, true, 1, 0, 0, 0, 0, 8},
        {"R-4720MS", false, true, false, false, true, true, true, true, 1, 0, 0, 0, 0, 8},
        {"R-4760DS", false, true, false, false, true, true, true, false, 1, 0, 0, 0, 0, 8},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(sys.changeEquipmentModel(1, r.model)) << r.model;
        const Exchange& e = *sys.equipment(1);
        SCOPED_TRACE(r.model);
        EXPECT_EQ(e.modelName(), r.model);
        EXPECT_EQ(e.isExchange(), r.exchange);
        EXPECT_EQ(e.isIPStation(), r.ip);
        EXPECT_EQ(e.isMultiInterface(), r.mi);
        EXPECT_EQ(e.hasSamplingCorrection(), r.correction);
        EXPECT_EQ(e.hasPagingPriority(), r.priority);
        EXPECT_EQ(e.hasRemoteAnswerGroups(), r.remote);
        EXPECT_EQ(e.hasPriorityCallRefusal(), r.refusal);
        EXPECT_EQ(e.acceptsMessages(), r.messages);
        EXPECT_EQ(e.stationCount(), r.stations);
        EXPECT_EQ(e.audioInCount(), r.audioIn);
        EXPECT_EQ(e.audioOutCount(), r.audioOut);
        EXPECT_EQ(e.contactInCount(), r.contactIn);
        EXPECT_EQ(e.contactOutCount(), r.contactOut);
        EXPECT_EQ(e.bgmChannelCount(), r.bgm);
    }
}

} // namespace

namespace {

TEST_F(ExchangeTest, UnitIsReachedAcrossTheRouterOnlyUnderAnotherNetworkId)
{
    ASSERT_TRUE(ex->setIpAddressText("192.168.1.10"));
    ASSERT_TRUE(ex->setTcpPort(5000));
    ex->setNapt(true);
    ASSERT_TRUE(ex->setWanIpAddressText("203.0.113.5"));
    ASSERT_TRUE(ex->setWanWebsPort(8080));
    ASSERT_TRUE(ex->setWanTcpPort(6000));

    // Network ID 1 is the program's own network: the LAN address even with WAN values.
    ASSERT_TRUE(ex->setNetworkId(1));
    EXPECT_EQ(ex->targetAddressText(), "192.168.1.10");
    EXPECT_EQ(ex->targetWebPort(), 80);
    EXPECT_EQ(ex->tcpPortPlusOne(), 5001);

    ASSERT_TRUE(ex->setNetworkId(7));
    EXPECT_EQ(ex->targetAddressText(), "203.0.113.5");
    EXPECT_EQ(ex->targetWebPort(), 8080);
    EXPECT_EQ(ex->tcpPortPlusOne(), 6001);

    // The same address on both sides means no router in between.
    ASSERT_TRUE(ex->setWanIpAddressText("192.168.1.10"));
    EXPECT_EQ(ex->targetWebPort(), 80);
}

} // namespace
