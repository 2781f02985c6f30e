#include "SettingsFileWriter.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "FileText.h"
#include "Paging.h"
#include "RemoteAnsGroup.h"
#include "SystemFixture.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kStamp = "2026/12/10 08:30:05";

class SettingsFileWriterTest : public SystemFixture
{
protected:
    // The file of unit n after the repairs a save makes.
    std::string fileOf(int n)
    {
        sys.applyModelRules();
        return SettingsFileWriter::write(unit(n), kStamp);
    }
};

TEST_F(SettingsFileWriterTest, LayoutHeadingsAndLineEnds)
{
    fill({"R-4100EX"});
    const std::string text = fileOf(1);
    const Lines lines = FileText::lines(text);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 6),
              (Lines{"IP Intercom Configuration File", "ZUN Corporation.", "", "[header]",
                     "update=2026/12/10 08:30:05", "ver="}));

    Lines headings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '[') {
            headings.push_back(lines[i]);
            EXPECT_EQ(lines[i - 1], "") << lines[i] << " follows an empty line";
        }
        if (lines[i] == "--") {
            // Between two records only: never first or last in a section.
            ASSERT_LT(i + 1, lines.size());
            EXPECT_TRUE(!lines[i - 1].empty() && lines[i - 1][0] != '[') << i;
            EXPECT_TRUE(!lines[i + 1].empty() && lines[i + 1] != "--") << i;
        }
    }
    EXPECT_EQ(headings, (Lines{"[header]",
                               "[network]",
                               "[wan_access]",
                               "[stream_spec]",
                               "[other_ex]",
                               "[system]",
                               "[station]",
                               "[audio_in]",
                               "[audio_out]",
                               "[ein_mode]",
                               "[eout_mode]",
                               "[group_block]",
                               "[paging]",
                               "[function]",
                               "[bgm]",
                               "[station_attribute]",
                               "[msg_pag]",
                               "[transfer]",
                               "[onetouch_dial]",
                               "[bgm_mode]",
                               "[remote]",
                               "[audio_in_attribute]",
                               "[audio_out_attribute]",
                               "[ein_attribute]",
                               "[eout_attribute]"}));
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        ASSERT_EQ(text[i - 1], '\r') << "bare LF at " << i;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(SettingsFileWriterTest, SystemWideTablesHaveARecordPerLine)
{
    fill({"R-4100EX", "R-4100MI", "R-4700MS"});
    for (int n = 1; n <= 3; ++n) {
        const std::string text = fileOf(n);
        SCOPED_TRACE(unit(n).modelName());
        EXPECT_EQ(FileText::records(text, "[other_ex]").size(), 80u);
        EXPECT_EQ(FileText::records(text, "[station]").size(), 1280u);
        EXPECT_EQ(FileText::records(text, "[audio_in]").size(), 160u);
        EXPECT_EQ(FileText::records(text, "[audio_out]").size(), 160u);
        EXPECT_EQ(FileText::records(text, "[ein_mode]").size(), 1280u);
        EXPECT_EQ(FileText::records(text, "[eout_mode]").size(), 1280u);
        EXPECT_EQ(FileText::records(text, "[group_block]").size(), 32u);
        EXPECT_EQ(FileText::records(text, "[paging]").size(), 9u) << "one paging digit";
        const auto others = FileText::records(text, "[other_ex]");
        EXPECT_EQ(others[79], Lines{"ex_id=80"}) << "an empty slot is its number only";
        EXPECT_EQ(others[n - 1][0], "ex_id=" + std::to_string(n)) << "own record present";
        // Slots of the multi-interface unit (no stations) carry their address only.
        const auto stations = FileText::records(text, "[station]");
        EXPECT_EQ(stations[16], Lines{"sta_id=2:1"});
        // Stations not in use are in no blocking group.
        EXPECT_EQ(stations[32],
                  (Lines{"sta_id=3:1", "sta_no=NONE", "sta_name=R-4700MS", "block_gr_no="}));
        EXPECT_EQ(stations[33], Lines{"sta_id=3:2"}) << "an IP station has one slot";
        EXPECT_EQ(stations[48], (Lines{"sta_id=4:1", "sta_no=NONE", "sta_name=", "block_gr_no="}))
            << "empty slots have the exchange's sixteen";
    }
}

TEST_F(SettingsFileWriterTest, PeersAppearWithLanOrWanValuesByNetwork)
{
    fill({"R-4100EX", "R-4100EX", "R-4100EX"});
    ASSERT_TRUE(unit(2).setIpAddressText("192.168.1.2"));
    unit(2).setNapt(true);
    ASSERT_TRUE(unit(2).setWanIpAddressText("203.0.113.2"));
    ASSERT_TRUE(unit(2).setWanTcpPort(6000));
    ASSERT_TRUE(unit(3).setNetworkId(2));
    ASSERT_TRUE(unit(1).setReceiveMulticast(2, false));

    const auto fromOne = FileText::records(fileOf(1), "[other_ex]");
    EXPECT_EQ(fromOne[1], (Lines{"ex_id=2", "network_id=1", "ip_address=192.168.1.2",
                                 "tcp_port=5000", "udp_port=5006", "fs=16", "len=64",
                                 "is_receive_multicast=DISABLE", "is_connectable=ENABLE"}));
    const auto fromThree = FileText::records(fileOf(3), "[other_ex]");
    EXPECT_EQ(fromThree[1], (Lines{"ex_id=2", "network_id=1", "ip_address=203.0.113.2",
                                   "tcp_port=6000", "udp_port=5006", "fs=16", "len=64",
                                   "is_receive_multicast=ENABLE", "is_connectable=ENABLE"}));
}

TEST_F(SettingsFileWriterTest, ExchangeSections)
{
    fill({"R-4100EX", "R-4100EX"});
    sys.setMulticastPort(7000);
    ASSERT_TRUE(sys.setSystemName("Plant"));
    Exchange& e = unit(2);
    ASSERT_TRUE(e.setIpAddressText("10.1.2.3"));
    ASSERT_TRUE(e.setSubnetMaskText("255.255.0.0"));
    ASSERT_TRUE(e.setGatewayAddressText("10.1.0.1"));
    ASSERT_TRUE(e.setExchangeName("East"));
    const std::string text = fileOf(2);
    EXPECT_EQ(FileText::section(text, "[network]"),
              (Lines{"ip_address=10.1.2.3", "subnet=255.255.0.0", "gateway=10.1.0.1",
                     "webs_port=80", "tcp_port=5000", "udp_port=5006", "multicast_addr=225.0.0.1",
                     "multicast_port=7004"}));
    EXPECT_EQ(FileText::section(text, "[wan_access]"),
              (Lines{"wan_ip_addr=10.1.2.3", "wan_webs_port=80", "wan_tcp_port=5000",
                     "wan_udp_port=5006", "network_id=1"}))
        << "without NAPT the WAN side mirrors the LAN side";
    EXPECT_EQ(FileText::section(text, "[system]"),
              (Lines{"ex_id=2", "ex_name=East", "ex_no=2", "sta_no_digits=2", "pag_no_digits=1",
                     "ctrl_no_digits=2", "ex_type=R-4100EX", "system_name=R-4000",
                     "passwd=4711203958816640271935508812047736159023", "sta_passwd=8629",
                     "language=english"}));
    EXPECT_EQ(FileText::section(text, "[function]"),
              (Lines{"is_abs_xfer=OFF", "is_time_xfer=OFF", "abs_xfer_start_time=00:00",
                     "abs_xfer_end_time=00:00", "is_busy_xfer=OFF", "is_no_ans_xfer=OFF",
                     "no_ans_time=10", "alert_time=0", "cnv_time=0", "pag_answer_mode=MANUAL",
                     "pag_priority_mode=PAGING", "pag_time=0", "oneshot_time=1",
                     "calling_party_indication_mode=CALL_ACTIVATED", "DS_out_mode=DS_REMOTE"}));
    EXPECT_EQ(FileText::records(text, "[bgm]").size(), 8u);
    for (const char* heading :
         {"[audio_in_attribute]", "[audio_out_attribute]", "[ein_attribute]", "[eout_attribute]"})
        EXPECT_TRUE(FileText::section(text, heading).empty()) << heading;
}

TEST_F(SettingsFileWriterTest, StreamSpecByMode)
{
    fill({"R-4100EX", "R-4120EX"});
    Exchange& e = unit(1);
    ASSERT_TRUE(e.setIpAddressText("192.168.1.10"));
    ASSERT_TRUE(e.setSubnetMaskText("255.255.255.0"));
    ASSERT_TRUE(e.setSynMode("Source"));
    ASSERT_TRUE(e.addSynDestination("192.168.1.20", 5006));
    ASSERT_TRUE(e.addSynDestination("225.0.0.9", 6000));
    EXPECT_EQ(
        FileText::section(fileOf(1), "[stream_spec]"),
        (Lines{"fs=16", "len=64", "range=2990", "syn_mode=Source", "syn_dest=192.168.1.20:5006",
               "syn_dest=225.0.0.9:6000", "syn_source=", "syn_multi="}));

    ASSERT_TRUE(e.setSynMode("AUTO"));
    EXPECT_EQ(FileText::section(fileOf(1), "[stream_spec]"),
              (Lines{"fs=16", "len=64", "range=2990", "syn_mode=AUTO",
                     "syn_dest=", "syn_source=", "syn_multi="}));
    EXPECT_EQ(e.synDestinations().size(), 2u) << "the set stays in the model";

    ASSERT_TRUE(e.setSynMode("DESTINATION"));
    ASSERT_TRUE(e.setSynSource("192.168.1.30"));
    ASSERT_TRUE(e.setSynMulti("230.0.0.1"));
    EXPECT_EQ(FileText::section(fileOf(1), "[stream_spec]"),
              (Lines{"fs=16", "len=64", "range=2990", "syn_mode=DESTINATION",
                     "syn_dest=", "syn_source=192.168.1.30", "syn_multi=230.0.0.1"}));

    ASSERT_TRUE(unit(2).setStreamSpec(8, 32));
    ASSERT_TRUE(unit(2).setSynMode("SOURCE"));
    EXPECT_EQ(FileText::section(fileOf(2), "[stream_spec]"),
              (Lines{"fs=8", "len=32", "range=2990",
                     "syn_mode=", "syn_dest=", "syn_source=", "syn_multi="}));
}

TEST_F(SettingsFileWriterTest, MultiInterfaceUnit)
{
    fill({"R-4100EX", "R-4100MI"});
    Exchange& mi = unit(2);
    ASSERT_TRUE(mi.audioIn(1)->setMode("PBX"));
    ASSERT_TRUE(mi.audioIn(1)->setLineAttribute("DP10"));
    ASSERT_TRUE(mi.audioIn(2)->setMode("AUX_INPUT_PAG"));
    mi.audioIn(2)->setPagingZone(sys.paging(4));
    ASSERT_TRUE(mi.contactIn(1)->setMode("AUX_INPUT_PAG"));
    mi.contactIn(1)->setAudioInLink(mi.audioIn(2));
    mi.contactIn(1)->setPagingZone(sys.paging(4));
    ASSERT_TRUE(mi.contactOut(2)->setOperationNumber("7"));
    sys.blockGroup(5)->addMember(mi.contactOut(2));
    mi.contactOut(2)->setLineSurveillanceLine(1, 3);
    const std::string text = fileOf(2);

    EXPECT_EQ(FileText::section(text, "[function]"),
              (Lines{"is_abs_xfer=", "is_time_xfer=", "abs_xfer_start_time=", "abs_xfer_end_time=",
                     "is_busy_xfer=", "is_no_ans_xfer=", "no_ans_time=", "alert_time=0",
                     "cnv_time=0", "pag_answer_mode=MANUAL", "pag_priority_mode=PAGING",
                     "pag_time=0", "oneshot_time=1", "calling_party_indication_mode="}));
    EXPECT_TRUE(FileText::section(text, "[bgm]").empty());
    EXPECT_TRUE(FileText::section(text, "[station_attribute]").empty());

    const auto audioIn = FileText::records(text, "[audio_in]");
    EXPECT_EQ(audioIn[2],
              (Lines{"audio_in_id=2:1", "audio_in_mode=PBX", "access=NONE", "block_gr_no=0"}));
    EXPECT_EQ(audioIn[3],
              (Lines{"audio_in_id=2:2", "audio_in_mode=AUX_INPUT_PAG", "access=", "block_gr_no="}));
    EXPECT_EQ(audioIn[0], Lines{"audio_in_id=1:1"});
    EXPECT_EQ(FileText::records(text, "[audio_out]")[2],
              (Lines{"audio_out_id=2:1", "audio_out_mode=PBX"}))
        << "an output takes the mode of its PBX input";
    const auto eout = FileText::records(text, "[eout_mode]");
    EXPECT_EQ(eout[16], (Lines{"eout_id=2:1", "operation_number=00", "block_gr_no="}));
    EXPECT_EQ(eout[17], (Lines{"eout_id=2:2", "operation_number=07", "block_gr_no=5"}));

    EXPECT_EQ(FileText::records(text, "[audio_in_attribute]"),
              (std::vector<Lines>{{"audio_in_id=2:1", "audio_in_mode=PBX", "pag_id=",
                                   "input_level=0", "line_attr=DP10", "line_start=WINK_START"},
                                  {"audio_in_id=2:2", "audio_in_mode=AUX_INPUT_PAG", "pag_id=4",
                                   "input_level=0", "line_attr=", "line_start="}}));
    EXPECT_EQ(FileText::records(text, "[audio_out_attribute]")[1],
              (Lines{"audio_out_id=2:2", "audio_out_mode=NONE", "output_level=3"}));
    const auto ein = FileText::records(text, "[ein_attribute]");
    ASSERT_EQ(ein.size(), 16u);
    EXPECT_EQ(ein[0], (Lines{"ein_id=2:1", "ein_mode=AUX_INPUT_PAG", "input_signal_no=2:2",
                             "pag_id=4", "bridge_eout=", "remote_stn=", "remote_dial="}));
    EXPECT_EQ(ein[1], (Lines{"ein_id=2:2", "ein_mode=NONE", "input_signal_no=", "pag_id=",
                             "bridge_eout=", "remote_stn=", "remote_dial="}));
    EXPECT_EQ(FileText::records(text, "[eout_attribute]")[1],
              (Lines{"eout_id=2:2", "network_surveillance=", "line_surveillance=1:3"}));
}

TEST_F(SettingsFileWriterTest, IPDoorStationWritesNoCallTransfer)
{
    fill({"R-4760DS"});
    ASSERT_TRUE(unit(1).setCallForwarding(true));
    ASSERT_TRUE(unit(1).setTransferEndTime("18:00"));
    const std::string text = fileOf(1);
    const Lines function = FileText::section(text, "[function]");
    EXPECT_EQ(function[0], "is_abs_xfer=OFF");
    EXPECT_EQ(function[3], "abs_xfer_end_time=00:00");
    const auto attributes = FileText::records(text, "[station_attribute]");
    ASSERT_EQ(attributes.size(), 1u);
    EXPECT_EQ(attributes[0][1], "sta_type=R-4760DS");
    EXPECT_EQ(attributes[0][2], "is_enable_pag=DISABLE") << "door station rules";
    EXPECT_EQ(FileText::records(text, "[msg_pag]")[0],
              (Lines{"sta_id=1:1", "is_enable_msg_pag=DISABLE", "start_mode=", "siren_no=1",
                     "repeat_param=", "msg_pag_id=", "interlock_mode=", "interlock_contact="}));
}

TEST_F(SettingsFileWriterTest, StationRecords)
{
    fill({"R-4100EX", "R-4100MI"});
    Station& desk = make(1, 1, "R-4100MS", "11");
    Station& hall = make(1, 2, "R-4120MS", "12");
    make(1, 3, "R-4100MS"); // not in use
    ASSERT_TRUE(desk.setTransfer(StationImpl::XferNoAns, &hall));
    ASSERT_TRUE(desk.setMonitoringEntry(1, 2, &hall));
    desk.setDoorRemote(unit(2).contactOut(4));
    ASSERT_TRUE(desk.setOneTouch("onetouch_9", "12"));
    ASSERT_TRUE(hall.addGroupMember(&desk));
    hall.addCalledStation(&desk);
    const std::string text = fileOf(1);

    const auto attributes = FileText::records(text, "[station_attribute]");
    ASSERT_EQ(attributes.size(), 16u);
    const Lines& first = attributes[0];
    ASSERT_EQ(first.size(), 17u + 64u) << "no called_no line, one empty gr_member line";
    EXPECT_EQ(Lines(first.begin(), first.begin() + 18),
              (Lines{"sta_id=1:1", "sta_type=R-4100MS", "is_enable_pag=ENABLE",
                     "is_enable_ctrl=DISABLE", "door_sta_timer=OFF", "receipt_mode=AUTO",
                     "auto_callsig=ON", "manual_callsig=ON", "door_remote=2:4",
                     "calling_no=", "gr_member=", "mic_level=2", "sp_level=3", "sig_level=3",
                     "priority_sta=DISABLE", "priority_lim=OFF", "mon_time=3", "mon_grp1_sta1="}));
    EXPECT_EQ(first[18], "mon_grp1_sta2=1:2");
    EXPECT_EQ(first.back(), "mon_grp4_sta16=");
    const Lines& second = attributes[1];
    EXPECT_EQ(second[10], "called_no=1:1");
    EXPECT_EQ(second[11], "gr_member=1:1");

    EXPECT_EQ(FileText::records(text, "[transfer]")[0],
              (Lines{"sta_id=1:1", "xfer_time=", "xfer_abs=", "xfer_noans=1:2", "xfer_busy="}));
    EXPECT_EQ(FileText::records(text, "[onetouch_dial]")[0],
              (Lines{"sta_id=1:1", "onetouch_7=", "onetouch_8=", "onetouch_9=12",
                     "onetouch_0=", "onetouch_oh="}));
    EXPECT_EQ(FileText::records(text, "[bgm_mode]")[2], (Lines{"sta_id=1:3", "bgm_mode=0"}));
    EXPECT_EQ(FileText::records(text, "[remote]")[0],
              (Lines{"sta_id=1:1", "remote_id=", "remote_ans="}));
}

TEST_F(SettingsFileWriterTest, ReferencesIntoRemovedOrChangedUnitsAreWrittenEmpty)
{
    fill({"R-4100EX", "R-4100MI", "R-4100MI"});
    Station& desk = make(1, 1, "R-4100MS", "11");
    desk.setDoorRemote(unit(2).contactOut(4));
    ASSERT_TRUE(unit(3).audioIn(1)->setMode("BGM"));
    ASSERT_TRUE(unit(1).setBgmSource(1, unit(3).audioIn(1)));
    ASSERT_TRUE(unit(1).setBgmSource(2, unit(3).audioIn(2)));

    ASSERT_TRUE(sys.removeEquipment(2));
    EXPECT_EQ(desk.doorRemote(), nullptr);
    ASSERT_TRUE(unit(2).audioIn(1)->setMode("PBX"));
    const std::string text = fileOf(1);
    EXPECT_EQ(FileText::records(text, "[station_attribute]")[0][8], "door_remote=");
    EXPECT_EQ(FileText::records(text, "[bgm]")[0], (Lines{"bgm_id=1", "bgm_input_no="}))
        << "a source that left BGM mode is dropped";
    EXPECT_EQ(unit(1).bgmSource(1), nullptr);
}

TEST_F(SettingsFileWriterTest, GroupsAndZones)
{
    fill({"R-4100EX", "R-4100EX"});
    Station& a = make(1, 1, "R-4100MS", "11");
    Station& b = make(2, 1, "R-4100MS", "21");
    Station& door = make(2, 2, "R-4160DS", "22");
    ASSERT_TRUE(sys.paging(3)->addStation(&a));
    ASSERT_TRUE(sys.paging(3)->addStation(&b));
    ASSERT_TRUE(sys.paging(3)->addAudioOutput(unit(2).audioOut(1)));
    ASSERT_TRUE(sys.blockGroup(1)->addPagingBlock(12));
    ASSERT_TRUE(sys.blockGroup(1)->addPagingBlock(5));
    RemoteAnsGroup* doors = sys.remoteAnsGroup(&door);
    ASSERT_NE(doors, nullptr);
    ASSERT_TRUE(doors->addStation(&a));
    const std::string text = fileOf(1);

    EXPECT_EQ(FileText::records(text, "[paging]")[2],
              (Lines{"pag_id=3", "pag_name=pag 3", "pag_sta=1:1", "pag_x=1", "pag_x=2"}));
    EXPECT_EQ(
        FileText::records(fileOf(2), "[paging]")[2],
        (Lines{"pag_id=3", "pag_name=pag 3", "pag_sta=2:1", "pag_pa=2:1", "pag_x=1", "pag_x=2"}));
    EXPECT_EQ(FileText::records(text, "[group_block]")[1],
              (Lines{"block_gr_no=1", "call_block_no=0", "pag_block_no=5"}))
        << "zone 12 cannot be dialled with one paging digit";
    EXPECT_TRUE(sys.remoteAnsGroups().empty()) << "a group headed by a door station goes";
    EXPECT_EQ(FileText::records(text, "[remote]")[0],
              (Lines{"sta_id=1:1", "remote_id=", "remote_ans="}));
}

TEST_F(SettingsFileWriterTest, RemoteGroupRecordRepeatsForEachOwnMember)
{
    fill({"R-4100EX", "R-4700MS"});
    Station& a = make(1, 1, "R-4100MS", "11");
    Station& b = make(1, 2, "R-4100MS", "12");
    ASSERT_TRUE(at(2, 1).setNumber("21"));
    RemoteAnsGroup* group = sys.remoteAnsGroup(&a);
    ASSERT_TRUE(group->addStation(&b));
    ASSERT_TRUE(group->addStation(&at(2, 1)));
    const auto remote = FileText::records(fileOf(1), "[remote]");
    const Lines expected{"remote_id=11", "remote_ans=1:1", "remote_ans=1:2", "remote_ans=2:1"};
    EXPECT_EQ(Lines(remote[0].begin() + 1, remote[0].end()), expected);
    EXPECT_EQ(Lines(remote[1].begin() + 1, remote[1].end()), expected);
    EXPECT_EQ(FileText::records(fileOf(2), "[remote]")[0][1], "remote_id=11");
}

} // namespace

namespace {

// The partial files that change credentials, the maintenance password or message paging:
// the header as in the whole file, an empty line, then only the system values they carry.
TEST_F(SettingsFileWriterTest, PartialFilesCarryOnlyWhatTheyChange)
{
    fill({"R-4100EX"});
    ASSERT_TRUE(sys.setMaintenancePassword("1234"));
    ASSERT_TRUE(unit(1).setSystemName("Tower"));
    const std::string whole = fileOf(1);
    const std::string header = whole.substr(0, whole.find("\r\n[network]"));
    const std::string stored = unit(1).password();

    const std::string credentials = SettingsFileWriter::writeCredentials(
        unit(1), kStamp, "Annex", "0000000001000000000200000000030000000004");
    EXPECT_EQ(credentials, header + "\r\n[system]\r\nsystem_name=Annex\r\n"
                                    "passwd=0000000001000000000200000000030000000004\r\n");

    EXPECT_EQ(SettingsFileWriter::writeMaintenancePassword(unit(1), kStamp),
              header + "\r\n[system]\r\nsystem_name=Tower\r\npasswd=" + stored +
                  "\r\nsta_passwd=1234\r\n");

    const std::string paging = SettingsFileWriter::writeMessagePaging(unit(1), kStamp);
    EXPECT_EQ(paging.substr(0, header.size()), header);
    EXPECT_EQ(FileText::section(paging, "[system]"),
              (Lines{"system_name=Tower", "passwd=" + stored}));
    EXPECT_EQ(FileText::section(paging, "[msg_pag]"), FileText::section(whole, "[msg_pag]"));
    EXPECT_FALSE(FileText::section(paging, "[msg_pag]").empty());
}

} // namespace
