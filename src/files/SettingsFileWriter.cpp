#include "SettingsFileWriter.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "LineReference.h"
#include "Paging.h"
#include "RemoteAnsGroup.h"
#include "Station.h"
#include "System.h"
#include "TextRules.h"

#include <vector>

namespace {

constexpr std::string_view kFileHeader = "IP Intercom Configuration File\r\nZUN Corporation.\r\n";
constexpr const char* kOneTouchKeys[] = {"onetouch_7", "onetouch_8", "onetouch_9", "onetouch_0",
                                         "onetouch_oh"};

std::string_view onOff(bool on)
{
    return on ? "ON" : "OFF";
}

std::string_view enable(bool on)
{
    return on ? "ENABLE" : "DISABLE";
}

std::string groupNumber(const BlockGroup* group)
{
    return group ? std::to_string(group->number()) : std::string();
}

bool isPbxOrTieLine(const AudioIn& input)
{
    return input.mode() == AudioIn::Pbx || input.mode() == AudioIn::TieLine;
}

// The two exchanges write no attribute records of audio lines and contacts.
bool writesLineAttributes(const Exchange& unit)
{
    return !unit.isExchange();
}

} // namespace

std::string SettingsFileWriter::write(const Exchange& unit, std::string_view stamp)
{
    SettingsFileWriter writer(unit);
    writer.out_.reserve(256 * 1024);
    writer.header(stamp);
    writer.network();
    writer.wanAccess();
    writer.streamSpec();
    writer.otherExchanges();
    writer.systemSection();
    writer.stationTable();
    writer.audioInTable();
    writer.audioOutTable();
    writer.contactInTable();
    writer.contactOutTable();
    writer.groupBlock();
    writer.paging();
    writer.function();
    writer.bgm();
    writer.stationAttributes();
    writer.messagePaging();
    writer.transfer();
    writer.oneTouchDial();
    writer.bgmMode();
    writer.remote();
    writer.audioInAttributes();
    writer.audioOutAttributes();
    writer.contactInAttributes();
    writer.contactOutAttributes();
    return std::move(writer.out_);
}

std::string SettingsFileWriter::writeCredentials(const Exchange& unit, std::string_view stamp,
                                                 std::string_view name,
                                                 std::string_view storedPassword)
{
    SettingsFileWriter writer(unit);
    writer.header(stamp);
    writer.credentials(name, storedPassword);
    return std::move(writer.out_);
}

std::string SettingsFileWriter::writeMaintenancePassword(const Exchange& unit,
                                                         std::string_view stamp)
{
    SettingsFileWriter writer(unit);
    writer.header(stamp);
    writer.credentials(unit.systemName(), unit.password());
    writer.line("sta_passwd", unit.system().maintenancePassword());
    return std::move(writer.out_);
}

std::string SettingsFileWriter::writeMessagePaging(const Exchange& unit, std::string_view stamp)
{
    SettingsFileWriter writer(unit);
    writer.header(stamp);
    writer.credentials(unit.systemName(), unit.password());
    writer.messagePaging();
    return std::move(writer.out_);
}

void SettingsFileWriter::credentials(std::string_view name, std::string_view storedPassword)
{
    heading("system");
    line("system_name", name);
    line("passwd", storedPassword);
}

void SettingsFileWriter::heading(std::string_view section)
{
    out_ += "\r\n[";
    out_ += section;
    out_ += "]\r\n";
}

void SettingsFileWriter::line(std::string_view key, std::string_view value)
{
    out_ += key;
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
}

void SettingsFileWriter::line(std::string_view key, int value)
{
    line(key, std::to_string(value));
}

void SettingsFileWriter::separator(bool& first)
{
    if (!first)
        out_ += "--\r\n";
    first = false;
}

void SettingsFileWriter::header(std::string_view stamp)
{
    out_ += kFileHeader;
    heading("header");
    line("update", stamp);
    line("ver", "");
}

void SettingsFileWriter::network()
{
    heading("network");
    line("ip_address", unit_.ipAddressText());
    line("subnet", unit_.subnetMaskText());
    line("gateway", unit_.gatewayAddressText());
    line("webs_port", unit_.websPort());
    line("tcp_port", unit_.tcpPort());
    line("udp_port", unit_.udpPort());
    line("multicast_addr", unit_.multicastAddressText());
    line("multicast_port", unit_.multicastPort());
}

void SettingsFileWriter::wanAccess()
{
    heading("wan_access");
    line("wan_ip_addr", unit_.wanIpAddressText());
    line("wan_webs_port", unit_.wanWebsPort());
    line("wan_tcp_port", unit_.wanTcpPort());
    line("wan_udp_port", unit_.wanUdpPort());
    line("network_id", unit_.networkId());
}

void SettingsFileWriter::streamSpec()
{
    heading("stream_spec");
    line("fs", unit_.samplingFrequency());
    line("len", unit_.packetLength());
    line("range", unit_.rangeValue());
    if (unit_.modelName() == "R-4120EX") {
        for (const char* key : {"syn_mode", "syn_dest", "syn_source", "syn_multi"})
            line(key, "");
        return;
    }
    const std::string& mode = unit_.synMode();
    line("syn_mode", mode);
    if (TextRules::equalsIgnoreCase(mode, "SOURCE")) {
        for (const std::string& destination : unit_.synDestinations())
            line("syn_dest", destination);
        line("syn_source", "");
        line("syn_multi", "");
    } else if (TextRules::equalsIgnoreCase(mode, "DESTINATION")) {
        line("syn_dest", "");
        line("syn_source", unit_.synSource().isZero() ? std::string() : unit_.synSourceText());
        const bool multi = unit_.multicastReceive() && !unit_.synMulti().isZero();
        line("syn_multi", multi ? unit_.synMultiText() : std::string());
    } else {
        line("syn_dest", "");
        line("syn_source", "");
        line("syn_multi", "");
    }
}

void SettingsFileWriter::otherExchanges()
{
    heading("other_ex");
    const System& system = unit_.system();
    bool first = true;
    for (int x = 1; x <= system.maxEquipment(); ++x) {
        separator(first);
        const Exchange& other = *system.equipment(x);
        line("ex_id", other.exchangeNumber());
        if (other.isNone())
            continue;
        line("network_id", other.networkId());
        // Units of one network reach each other directly, others through their WAN side.
        if (other.networkId() == unit_.networkId()) {
            line("ip_address", other.ipAddressText());
            line("tcp_port", other.tcpPort());
            line("udp_port", other.udpPort());
        } else {
            line("ip_address", other.wanIpAddressText());
            line("tcp_port", other.wanTcpPort());
            line("udp_port", other.wanUdpPort());
        }
        line("fs", other.samplingFrequency());
        line("len", other.packetLength());
        line("is_receive_multicast", enable(unit_.isReceiveMulticast(x)));
        line("is_connectable", enable(unit_.isConnectable(x)));
    }
}

void SettingsFileWriter::systemSection()
{
    const System& system = unit_.system();
    heading("system");
    line("ex_id", unit_.exchangeNumber());
    line("ex_name", unit_.exchangeName());
    line("ex_no", system.registeredCount());
    line("sta_no_digits", system.stationDigits());
    line("pag_no_digits", system.pagingDigits());
    line("ctrl_no_digits", system.controlDigits());
    line("ex_type", unit_.modelName());
    line("system_name", unit_.systemName());
    line("passwd", unit_.password());
    line("sta_passwd", system.maintenancePassword());
    line("language", system.locale().word());
}

template <class Body>
void SettingsFileWriter::everyLine(std::string_view section, std::string_view idKey, int perUnit,
                                   Body body)
{
    heading(section);
    const System& system = unit_.system();
    bool first = true;
    for (int x = 1; x <= system.maxEquipment(); ++x) {
        const Exchange& other = *system.equipment(x);
        for (int n = 1; n <= perUnit; ++n) {
            separator(first);
            line(idKey, std::to_string(x) + ":" + std::to_string(n));
            body(other, n);
        }
    }
}

void SettingsFileWriter::stationTable()
{
    everyLine("station", "sta_id", ExchangeImpl::kStations, [&](const Exchange& other, int id) {
        const Station* station = other.station(id);
        if (!station)
            return;
        line("sta_no", station->inUse() ? station->number() : std::string("NONE"));
        line("sta_name", station->name());
        line("block_gr_no", groupNumber(station->settings().blockGroup()));
    });
}

// The line tables below carry data only for the multi-interface units' lines.
void SettingsFileWriter::audioInTable()
{
    everyLine(
        "audio_in", "audio_in_id", ExchangeImpl::kAudioLines, [&](const Exchange& other, int n) {
            const AudioIn* input = other.isMultiInterface() ? other.audioIn(n) : nullptr;
            if (!input)
                return;
            line("audio_in_mode", input->modeName());
            const bool trunk = isPbxOrTieLine(*input);
            const std::string& access = input->accessNumber();
            line("access", trunk ? (access.empty() ? std::string("NONE") : access) : std::string());
            line("block_gr_no", trunk ? groupNumber(input->blockGroup()) : std::string());
        });
}

void SettingsFileWriter::audioOutTable()
{
    everyLine(
        "audio_out", "audio_out_id", ExchangeImpl::kAudioLines, [&](const Exchange& other, int n) {
            if (const AudioOut* output = other.isMultiInterface() ? other.audioOut(n) : nullptr)
                line("audio_out_mode", output->modeName());
        });
}

void SettingsFileWriter::contactInTable()
{
    everyLine("ein_mode", "ein_id", ExchangeImpl::kContacts, [&](const Exchange& other, int n) {
        if (const ContactIn* input = other.isMultiInterface() ? other.contactIn(n) : nullptr)
            line("ein_mode", input->modeName());
    });
}

void SettingsFileWriter::contactOutTable()
{
    const std::string noNumber(std::size_t(unit_.system().controlDigits()), '0');
    everyLine("eout_mode", "eout_id", ExchangeImpl::kContacts, [&](const Exchange& other, int n) {
        const ContactOut* output = other.isMultiInterface() ? other.contactOut(n) : nullptr;
        if (!output)
            return;
        const std::string& number = output->operationNumber();
        line("operation_number", number.empty() ? noNumber : number);
        line("block_gr_no", number.empty() ? std::string() : groupNumber(output->blockGroup()));
    });
}

void SettingsFileWriter::groupBlock()
{
    heading("group_block");
    const System& system = unit_.system();
    bool first = true;
    for (int g = 0; g <= system.maxBlockGroupNo(); ++g) {
        const BlockGroup& group = *system.blockGroup(g);
        separator(first);
        line("block_gr_no", group.number());
        for (int blocked : group.callBlocks())
            line("call_block_no", blocked);
        for (int zone : group.pagingBlocks())
            line("pag_block_no", zone);
    }
}

void SettingsFileWriter::paging()
{
    heading("paging");
    const System& system = unit_.system();
    const ExchangeImpl& self = unit_.settingsRecord();
    bool first = true;
    for (int z = 1; z <= system.highestDialableZone(); ++z) {
        const Paging* zone = system.paging(z);
        if (!zone)
            continue;
        separator(first);
        line("pag_id", zone->number());
        line("pag_name", zone->name());
        std::vector<bool> units(std::size_t(system.maxEquipment()) + 1, false);
        for (const Station* station : zone->stations()) {
            const ExchangeImpl& owner = station->settings().owner();
            units[std::size_t(owner.number())] = true;
            if (&owner == &self)
                line("pag_sta", LineReference::of(station));
        }
        for (const AudioOut* output : zone->audioOutputs()) {
            units[std::size_t(output->owner().number())] = true;
            if (&output->owner() == &self)
                line("pag_pa", LineReference::of(output));
        }
        for (int x = 1; x <= system.maxEquipment(); ++x) {
            if (units[std::size_t(x)])
                line("pag_x", x);
        }
    }
}

void SettingsFileWriter::function()
{
    heading("function");
    // The multi-interface unit transfers no calls: those values stay empty.
    const bool transfers = !unit_.isMultiInterface();
    auto transferLine = [&](std::string_view key, std::string_view value) {
        line(key, transfers ? value : std::string_view());
    };
    transferLine("is_abs_xfer", onOff(unit_.callForwarding()));
    transferLine("is_time_xfer", onOff(unit_.timeForwarding()));
    transferLine("abs_xfer_start_time", unit_.transferStartTime());
    transferLine("abs_xfer_end_time", unit_.transferEndTime());
    transferLine("is_busy_xfer", onOff(unit_.groupHunting()));
    transferLine("is_no_ans_xfer", onOff(unit_.absenceTransfer()));
    transferLine("no_ans_time", std::to_string(unit_.noAnswerTime()));
    line("alert_time", unit_.callTimeLimit());
    line("cnv_time", unit_.conversationTimeLimit());
    line("pag_answer_mode", unit_.pagingAnswerModeText());
    line("pag_priority_mode", unit_.pagingPriorityModeText());
    line("pag_time", unit_.pagingTimeLimit());
    line("oneshot_time", unit_.oneShotTime());
    transferLine("calling_party_indication_mode", unit_.callingPartyIndicationModeText());
    if (transfers)
        line("DS_out_mode", unit_.dsOutMode());
}

void SettingsFileWriter::bgm()
{
    heading("bgm");
    bool first = true;
    for (int k = 1; k <= unit_.bgmChannelCount(); ++k) {
        separator(first);
        line("bgm_id", k);
        line("bgm_input_no", LineReference::of(unit_.bgmSource(k)));
    }
}

void SettingsFileWriter::stationAttributes()
{
    heading("station_attribute");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        separator(first);
        line("sta_id", LineReference::of(&s));
        line("sta_type", s.modelName());
        line("is_enable_pag", enable(s.pagingReception()));
        line("is_enable_ctrl", enable(s.control()));
        line("door_sta_timer", onOff(s.doorTimer()));
        line("receipt_mode", s.receiptMode() == 1 ? "AUTO" : "MANUAL");
        line("auto_callsig", onOff(s.autoCallSignal()));
        line("manual_callsig", onOff(s.manualCallSignal()));
        line("door_remote", LineReference::of(s.doorRemote()));
        line("calling_no", LineReference::of(s.callingContact()));
        for (const Station* called : s.calledStations())
            line("called_no", LineReference::of(called));
        const std::vector<Station*> members = s.groupMembers();
        if (members.empty())
            line("gr_member", "");
        for (const Station* member : members)
            line("gr_member", LineReference::of(member));
        line("mic_level", s.micLevel());
        line("sp_level", s.speakerLevel());
        line("sig_level", s.signalLevel());
        line("priority_sta", enable(s.priorityStation()));
        line("priority_lim", onOff(s.priorityLimit()));
        line("mon_time", s.monitoringTime());
        for (int g = 1; g <= StationImpl::kMonitorGroups; ++g) {
            for (int p = 1; p <= StationImpl::kMonitorPositions; ++p) {
                line("mon_grp" + std::to_string(g) + "_sta" + std::to_string(p),
                     LineReference::of(s.monitoringEntry(g, p)));
            }
        }
    }
}

void SettingsFileWriter::messagePaging()
{
    heading("msg_pag");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        const bool on = s.messagePaging();
        separator(first);
        line("sta_id", LineReference::of(&s));
        line("is_enable_msg_pag", enable(on));
        line("start_mode", on ? s.startMode() : std::string());
        line("siren_no", s.sirenNumber());
        line("repeat_param", on ? std::to_string(s.repeat()) : std::string());
        const Paging* zone = s.messagePagingZone();
        line("msg_pag_id", on && zone ? std::to_string(zone->number()) : std::string());
        line("interlock_mode", on ? s.interlockMode() : std::string());
        line("interlock_contact",
             s.pagingReception() ? LineReference::of(s.interlockContact()) : std::string());
    }
}

void SettingsFileWriter::transfer()
{
    heading("transfer");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        separator(first);
        line("sta_id", LineReference::of(&s));
        line("xfer_time", LineReference::of(s.transfer(StationImpl::XferTime)));
        line("xfer_abs", LineReference::of(s.transfer(StationImpl::XferAbs)));
        line("xfer_noans", LineReference::of(s.transfer(StationImpl::XferNoAns)));
        line("xfer_busy", LineReference::of(s.transfer(StationImpl::XferBusy)));
    }
}

void SettingsFileWriter::oneTouchDial()
{
    heading("onetouch_dial");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        separator(first);
        line("sta_id", LineReference::of(&s));
        for (const char* key : kOneTouchKeys)
            line(key, s.oneTouch(key));
    }
}

void SettingsFileWriter::bgmMode()
{
    heading("bgm_mode");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        separator(first);
        line("sta_id", LineReference::of(&s));
        line("bgm_mode", s.bgmMode());
    }
}

void SettingsFileWriter::remote()
{
    heading("remote");
    bool first = true;
    for (int id = 1; id <= unit_.stationCount(); ++id) {
        const Station& s = *unit_.station(id);
        separator(first);
        line("sta_id", LineReference::of(&s));
        const RemoteAnsGroup* group = s.remoteAnsGroup();
        if (!group || !group->head()) {
            line("remote_id", "");
            line("remote_ans", "");
            continue;
        }
        line("remote_id", group->head()->number());
        for (const Station* member : group->members())
            line("remote_ans", LineReference::of(member));
    }
}

void SettingsFileWriter::audioInAttributes()
{
    heading("audio_in_attribute");
    if (!writesLineAttributes(unit_))
        return;
    bool first = true;
    for (int n = 1; n <= unit_.audioInCount(); ++n) {
        const AudioIn& input = *unit_.audioIn(n);
        const bool pbx = input.mode() == AudioIn::Pbx;
        const Paging* zone = input.pagingZone();
        separator(first);
        line("audio_in_id", LineReference::of(&input));
        line("audio_in_mode", input.modeName());
        line("pag_id", input.mode() == AudioIn::AuxInputPag && zone ? std::to_string(zone->number())
                                                                    : std::string());
        line("input_level", input.inputLevel());
        line("line_attr", pbx ? input.lineAttributeName() : std::string_view());
        line("line_start", pbx ? input.lineStartName() : std::string_view());
    }
}

void SettingsFileWriter::audioOutAttributes()
{
    heading("audio_out_attribute");
    if (!writesLineAttributes(unit_))
        return;
    bool first = true;
    for (int n = 1; n <= unit_.audioOutCount(); ++n) {
        const AudioOut& output = *unit_.audioOut(n);
        separator(first);
        line("audio_out_id", LineReference::of(&output));
        line("audio_out_mode", output.modeName());
        line("output_level", output.outputLevel());
    }
}

void SettingsFileWriter::contactInAttributes()
{
    heading("ein_attribute");
    if (!writesLineAttributes(unit_))
        return;
    bool first = true;
    for (int n = 1; n <= unit_.contactInCount(); ++n) {
        const ContactIn& input = *unit_.contactIn(n);
        const ContactIn::Mode mode = input.mode();
        const Paging* zone = input.pagingZone();
        const bool aux = mode == ContactIn::AuxInputPag;
        const bool bridge = mode == ContactIn::Level || mode == ContactIn::Edge;
        const bool remote = mode == ContactIn::RemoteControl;
        separator(first);
        line("ein_id", std::to_string(unit_.exchangeNumber()) + ":" + std::to_string(n));
        line("ein_mode", input.modeName());
        line("input_signal_no", aux ? LineReference::of(input.audioInLink()) : std::string());
        line("pag_id", aux && zone ? std::to_string(zone->number()) : std::string());
        line("bridge_eout", bridge ? LineReference::of(input.bridgeOutput()) : std::string());
        line("remote_stn", remote ? LineReference::of(input.remoteStation()) : std::string());
        line("remote_dial", remote ? input.remoteDial() : std::string());
    }
}

void SettingsFileWriter::contactOutAttributes()
{
    heading("eout_attribute");
    if (!writesLineAttributes(unit_))
        return;
    bool first = true;
    for (int n = 1; n <= unit_.contactOutCount(); ++n) {
        const ContactOut& output = *unit_.contactOut(n);
        separator(first);
        line("eout_id", LineReference::of(&output));
        line("network_surveillance", output.networkSurveillance());
        line("line_surveillance", output.lineSurveillance());
    }
}
