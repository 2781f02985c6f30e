#include "AudioIn.h"
#include "BlockGroup.h"
#include "Paging.h"
#include "PasswordCodec.h"
#include "RemoteAnsGroup.h"
#include "SectionTable.h"
#include "SettingsFileWriter.h"
#include "SystemFile.h"
#include "SystemFixture.h"
#include "UnitFileReader.h"

#include <gtest/gtest.h>

namespace {

// A settings file of unit n with the given sections; CR LF or LF line ends.
std::string unitFile(int n, const std::string& model, const std::string& sections,
                     const char* eol = "\r\n")
{
    std::string text = "IP Intercom Configuration File\nZUN Corporation.\n\n[header]\n"
                       "update=2026/12/10 08:30:05\n\n[system]\nex_id=" +
                       std::to_string(n) + "\nex_type=" + model + "\n" + sections;
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += eol;
        else
            out += c;
    }
    return out;
}

TEST(SectionTable, SplitsRecordsAndKeepsKeysInByteOrder)
{
    const SectionTable table = SectionTable::parse("early=1\n"
                                                   "[a]\n"
                                                   "b=2\r\n"
                                                   "a=x=y\n"
                                                   "B=3\n"
                                                   "b=4\n"
                                                   "\n"
                                                   "ignored line\n"
                                                   "--\n"
                                                   "c=5\n"
                                                   "[b]\n"
                                                   "--\n"
                                                   "[a]\n"
                                                   "k =v");
    const auto& a = table.records("[a]");
    ASSERT_EQ(a.size(), 3u);
    using Line = CategoryData::Line;
    EXPECT_EQ(a[0].lines(), (std::vector<Line>{
                                {"B", "3"}, {"a", "x=y"}, {"b", "2"}, {"b", "4"}, {"early", "1"}}));
    EXPECT_EQ(a[1].lines(), (std::vector<Line>{{"c", "5"}}));
    EXPECT_EQ(a[2].lines(), (std::vector<Line>{{"k ", "v"}})) << "keys are not trimmed";
    EXPECT_EQ(table.records("[b]").size(), 2u);
    EXPECT_NE(a[0].find("B"), nullptr);
    EXPECT_EQ(*a[0].find("b"), "3") << "the first key in record order, case ignored";
    EXPECT_EQ(a[2].find("k"), nullptr);
}

class SettingsFileReaderTest : public SystemFixture
{
};

TEST_F(SettingsFileReaderTest, IgnoresAFileThatNamesNoUnit)
{
    EXPECT_FALSE(UnitFileReader::merge(sys, ""));
    EXPECT_FALSE(UnitFileReader::merge(sys, "[system]\nex_id=1\n"));
    EXPECT_FALSE(UnitFileReader::merge(sys, "[system]\nex_id=x\nex_type=R-4100EX\n"));
    EXPECT_EQ(sys.registeredCount(), 0);
}

TEST_F(SettingsFileReaderTest, NetworkKeysInAnyCaseAndAnyLineEnd)
{
    const std::string network = "[network]\nsubnet=255.255.255.0\nIP_ADDRESS=192.168.0.5\n"
                                "gateway =192.168.0.1\nWebs_Port=8080\nudp_port=5007\n";
    for (const char* eol : {"\r\n", "\n"}) {
        R4000System fresh;
        ASSERT_TRUE(
            UnitFileReader::merge(fresh, unitFile(1, "R-4100EX", network + "[station]\n", eol)));
        const Exchange& e = *fresh.equipment(1);
        EXPECT_EQ(e.modelName(), "R-4100EX");
        EXPECT_EQ(fresh.registeredCount(), 1);
        EXPECT_EQ(e.ipAddressText(), "192.168.0.5") << "address first, against mask 0.0.0.0";
        EXPECT_EQ(e.subnetMaskText(), "255.255.255.0");
        EXPECT_EQ(e.gatewayAddressText(), "0.0.0.0") << "a blank before = hides the key";
        EXPECT_EQ(e.websPort(), 8080);
        EXPECT_EQ(e.udpPort(), 5006) << "odd port refused, previous value kept";
    }
}

TEST_F(SettingsFileReaderTest, SystemWideMulticastComesFromTheFirstUnitOnly)
{
    const std::string network = "[network]\nmulticast_addr=230.1.2.3\nmulticast_port=7000\n";
    ASSERT_TRUE(UnitFileReader::merge(sys, unitFile(1, "R-4100EX", "")));
    ASSERT_TRUE(UnitFileReader::merge(sys, unitFile(2, "R-4100EX", network + "[station]\n")));
    EXPECT_EQ(sys.multicastAddressText(), "225.0.0.1");
    EXPECT_EQ(sys.multicastPort(), 6000);
    ASSERT_TRUE(UnitFileReader::merge(sys, unitFile(1, "R-4100EX", network + "[station]\n")));
    EXPECT_EQ(sys.multicastAddressText(), "230.1.2.3");
    EXPECT_EQ(sys.multicastPort(), 7000);
    EXPECT_EQ(unit(2).multicastAddressText(), "230.1.2.3");
}

TEST_F(SettingsFileReaderTest, StreamSpecPairIsTestedTogether)
{
    ASSERT_TRUE(
        UnitFileReader::merge(sys, unitFile(1, "R-4100EX",
                                            "[station]\n[stream_spec]\nfs=8\n--\nfs=8\nlen=64\n"
                                            "--\nfs=8\nlen=32\nsyn_dest=a\nsyn_dest=b\n")));
    EXPECT_EQ(unit(1).samplingFrequency(), 8);
    EXPECT_EQ(unit(1).packetLength(), 32);
    EXPECT_EQ(unit(1).synDestinations(), (std::set<std::string>{"a", "b"}));
}

TEST_F(SettingsFileReaderTest, StationNumbersAndModelsOfTheFile)
{
    fill({"R-4100EX", "R-4100EX"});
    const std::string sections = "[station]\n"
                                 "sta_id=1:5\nsta_no=15\nsta_name=Mine\nblock_gr_no=3\n--\n"
                                 "sta_id=2:1\nsta_no=21\nsta_name=Other\n\n"
                                 "[station_attribute]\n"
                                 "sta_id=1:5\nsta_type=R-4160DS\nis_enable_pag=ENABLE\n"
                                 "mic_level=3\ncalled_no=2:1\nmon_grp2_sta16=2:1\n"
                                 "mon_grp1_sta1=NONE\n";
    ASSERT_TRUE(UnitFileReader::merge(sys, unitFile(1, "R-4100EX", sections)));
    Station& mine = at(1, 5);
    EXPECT_EQ(mine.modelName(), "R-4160DS") << "the model is applied before the switches";
    EXPECT_TRUE(mine.pagingReception());
    EXPECT_EQ(mine.micLevel(), 3);
    EXPECT_EQ(mine.number(), "15");
    EXPECT_EQ(mine.name(), "Mine");
    EXPECT_EQ(mine.settings().blockGroup(), sys.blockGroup(3));
    EXPECT_EQ(sys.stationByNumber("15"), &mine);
    EXPECT_EQ(mine.calledStations(), std::vector<Station*>{&at(2, 1)});
    EXPECT_EQ(mine.monitoringEntry(2, 16), &at(2, 1));
    // Every file carries the whole number table; names come only from the unit's own file.
    EXPECT_EQ(sys.stationByNumber("21"), &at(2, 1));
    EXPECT_EQ(at(2, 1).name(), "");
}

TEST_F(SettingsFileReaderTest, AutoDialIsReadButNeverWritten)
{
    fill({"R-4100EX"});
    ASSERT_TRUE(UnitFileReader::merge(
        sys, unitFile(1, "R-4100EX", "[station]\n[autodial]\nsta_id=1:2\nautodial_3=12#P\n")));
    EXPECT_EQ(at(1, 2).autoDial("autodial_3"), "12#P");
    sys.applyModelRules();
    EXPECT_EQ(SettingsFileWriter::write(unit(1), "x").find("[autodial]"), std::string::npos);
}

TEST_F(SettingsFileReaderTest, RemoteGroupsAreBuiltFromTheHeadsNumber)
{
    fill({"R-4100EX"});
    ASSERT_TRUE(at(1, 1).setNumber("11"));
    const std::string remote = "[station]\n[remote]\nsta_id=1:1\nremote_id=11\nremote_ans=1:1\n"
                               "remote_ans=1:2\n--\nsta_id=1:2\nremote_id=11\nremote_ans=1:1\n"
                               "remote_ans=1:2\n--\nsta_id=1:3\nremote_id=\nremote_ans=\n";
    ASSERT_TRUE(UnitFileReader::merge(sys, unitFile(1, "R-4100EX", remote)));
    ASSERT_EQ(sys.remoteAnsGroups().size(), 1u);
    const RemoteAnsGroup& group = *sys.remoteAnsGroups()[0];
    EXPECT_EQ(group.head(), &at(1, 1));
    EXPECT_EQ(group.members(), (std::vector<Station*>{&at(1, 1), &at(1, 2)}));
}

TEST_F(SettingsFileReaderTest, UnknownModelKeepsTheSlotAndStillReads)
{
    ASSERT_TRUE(UnitFileReader::merge(
        sys, unitFile(1, "R-9999", "[station]\n[function]\nno_ans_time=42\n[nonsense]\nx=1\n")));
    EXPECT_EQ(unit(1).modelName(), "NONE");
    EXPECT_EQ(unit(1).noAnswerTime(), 42);
}

TEST(SystemFile, WritesTheLinesInOrder)
{
    R4000System sys;
    ASSERT_TRUE(sys.insertEquipment(1, "R-4100EX"));
    sys.setScanStartAddress(Ipv4Address(192, 168, 0, 100));
    EXPECT_EQ(SystemFile::write(sys), "[config]\r\nsystem_name=R-4000\r\n"
                                      "passwd=4711203958816640271935508812047736159023\r\n"
                                      "ex_no=1\r\nsta_no_digits=2\r\nmulticast_start_port=6000\r\n"
                                      "[scan]\r\nstart_ipaddr=192.168.0.100\r\nassign_no=1\r\n");
}

TEST(SystemFile, ReadsKeysAnywhereWithThePasswordDecodedUnderTheNameSoFar)
{
    const std::string stored = PasswordCodec::encode("pw", "Plant");
    struct Case {
        std::string text;
        std::string name;
        std::string password;
    };
    const Case cases[] = {
        {"[x]\nSYSTEM_NAME=Plant\npasswd=" + stored + "\n", "Plant", stored},
        {"passwd=" + stored + "\nsystem_name=Plant\n", "Plant",
         std::string(PasswordCodec::kDefaultStored)},
        {"system_name =Plant\n", "R-4000", std::string(PasswordCodec::kDefaultStored)},
    };
    for (const Case& c : cases) {
        R4000System sys;
        SystemFile::read(sys, c.text);
        EXPECT_EQ(sys.systemName(), c.name) << c.text;
        EXPECT_EQ(sys.password(), c.password) << c.text;
    }

    R4000System sys;
    SystemFile::read(sys, "sta_no_digits=4\nmulticast_start_port=0\nstart_ipaddr=10.0.0.9\n"
                          "assign_no=12\nsiren=33\nsiren=34\nsiren=2\n");
    EXPECT_EQ(sys.stationDigits(), 4);
    EXPECT_EQ(sys.multicastPort(), 6000);
    EXPECT_EQ(sys.scanStartAddressText(), "10.0.0.9");
    EXPECT_EQ(sys.scanAssignCount(), 12u);
    EXPECT_EQ(sys.siren(), 34) << "2 is no siren";
}

} // namespace
