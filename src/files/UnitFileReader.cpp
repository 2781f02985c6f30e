#include "UnitFileReader.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "LineReference.h"
#include "Paging.h"
#include "RemoteAnsGroup.h"
#include "SectionTable.h"
#include "Station.h"
#include "System.h"
#include "TextRules.h"

#include <functional>
#include <map>

namespace {

using TextRules::equalsIgnoreCase;

bool number(std::string_view text, int& out, unsigned long max = 0xffff)
{
    unsigned long value = 0;
    if (!TextRules::parseNumber(text, max, value))
        return false;
    out = int(value);
    return true;
}

// Switches take only their two words; anything else is ignored.
bool switchValue(std::string_view text, std::string_view on, std::string_view off, bool& out)
{
    if (equalsIgnoreCase(text, on))
        out = true;
    else if (equalsIgnoreCase(text, off))
        out = false;
    else
        return false;
    return true;
}

// The line number of a record's id key ("X:n") when X is the reading unit.
bool ownLine(const CategoryData& record, std::string_view idKey, const Exchange& unit, int& line)
{
    const std::string_view* id = record.find(idKey);
    int x = 0;
    return id && LineReference::split(*id, x, line) && x == unit.exchangeNumber();
}

class SectionReader
{
public:
    explicit SectionReader(Exchange& unit) : unit_(unit), system_(unit.system()) {}

    void read(const CategoryData& record)
    {
        using Reader = void (SectionReader::*)(const CategoryData&);
        static const std::map<std::string, Reader, std::less<>> kReaders = {
            {"[network]", &SectionReader::network},
            {"[wan_access]", &SectionReader::wanAccess},
            {"[stream_spec]", &SectionReader::streamSpec},
            {"[other_ex]", &SectionReader::otherExchange},
            {"[system]", &SectionReader::systemSection},
            {"[station]", &SectionReader::station},
            {"[audio_in]", &SectionReader::audioIn},
            {"[eout_mode]", &SectionReader::contactOutMode},
            {"[group_block]", &SectionReader::groupBlock},
            {"[paging]", &SectionReader::paging},
            {"[function]", &SectionReader::function},
            {"[bgm]", &SectionReader::bgm},
            {"[station_attribute]", &SectionReader::stationAttribute},
            {"[msg_pag]", &SectionReader::messagePaging},
            {"[transfer]", &SectionReader::transfer},
            {"[onetouch_dial]", &SectionReader::oneTouchDial},
            {"[autodial]", &SectionReader::autoDial},
            {"[bgm_mode]", &SectionReader::bgmMode},
            {"[remote]", &SectionReader::remote},
            {"[audio_in_attribute]", &SectionReader::audioInAttribute},
            {"[audio_out_attribute]", &SectionReader::audioOutAttribute},
            {"[ein_attribute]", &SectionReader::contactInAttribute},
            {"[eout_attribute]", &SectionReader::contactOutAttribute},
        };
        auto it = kReaders.find(record.section());
        if (it != kReaders.end())
            (this->*(it->second))(record);
    }

private:
    // Calls apply for every key line the table names, in the record's order.
    void each(const CategoryData& record,
              const std::function<void(std::string_view key, std::string_view value)>& apply)
    {
        for (const auto& [key, value] : record.lines())
            apply(key, value);
    }

    void network(const CategoryData& record)
    {
        const bool first = unit_.exchangeNumber() == 1;
        each(record, [&](std::string_view key, std::string_view value) {
            int port = 0;
            if (equalsIgnoreCase(key, "ip_address"))
                unit_.setIpAddressText(value);
            else if (equalsIgnoreCase(key, "subnet"))
                unit_.setSubnetMaskText(value);
            else if (equalsIgnoreCase(key, "gateway"))
                unit_.setGatewayAddressText(value);
            else if (equalsIgnoreCase(key, "webs_port") && number(value, port))
                unit_.setWebsPort(port);
            else if (equalsIgnoreCase(key, "tcp_port") && number(value, port))
                unit_.setTcpPort(port);
            else if (equalsIgnoreCase(key, "udp_port") && number(value, port))
                unit_.setUdpPort(port);
            // The system-wide multicast settings come from the first unit's file only.
            else if (first && equalsIgnoreCase(key, "multicast_addr")) {
                Ipv4Address address;
                if (Ipv4Address::fromText(value, address))
                    system_.setMulticastAddress(address);
            } else if (first && equalsIgnoreCase(key, "multicast_port") && number(value, port))
                system_.setMulticastPort(port);
        });
    }

    void wanAccess(const CategoryData& record)
    {
        each(record, [&](std::string_view key, std::string_view value) {
            int n = 0;
            if (equalsIgnoreCase(key, "wan_ip_addr"))
                unit_.setWanIpAddressText(value);
            else if (equalsIgnoreCase(key, "wan_webs_port") && number(value, n))
                unit_.setWanWebsPort(n);
            else if (equalsIgnoreCase(key, "wan_tcp_port") && number(value, n))
                unit_.setWanTcpPort(n);
            else if (equalsIgnoreCase(key, "wan_udp_port") && number(value, n))
                unit_.setWanUdpPort(n);
            else if (equalsIgnoreCase(key, "network_id") && number(value, n))
                unit_.setNetworkId(n);
        });
    }

    void streamSpec(const CategoryData& record)
    {
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "fs") || equalsIgnoreCase(key, "len")) {
                // The pair is tested together; one without the other sets nothing.
                const std::string_view* fs = record.find("fs");
                const std::string_view* len = record.find("len");
                int f = 0, l = 0;
                if (fs && len && number(*fs, f) && number(*len, l))
                    unit_.setStreamSpec(f, l);
            } else if (equalsIgnoreCase(key, "range")) {
                unit_.setRange(value);
            } else if (equalsIgnoreCase(key, "syn_mode")) {
                unit_.setSynMode(value);
            } else if (equalsIgnoreCase(key, "syn_dest")) {
                unit_.addSynDestinationText(value);
            } else if (equalsIgnoreCase(key, "syn_source")) {
                unit_.setSynSource(value);
            } else if (equalsIgnoreCase(key, "syn_multi")) {
                unit_.setSynMulti(value);
            }
        });
    }

    void otherExchange(const CategoryData& record)
    {
        const std::string_view* id = record.find("ex_id");
        int peer = 0;
        if (!id || !number(*id, peer) || peer == unit_.exchangeNumber())
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "is_receive_multicast"))
                unit_.setReceiveMulticast(peer, equalsIgnoreCase(value, "ENABLE"));
            else if (equalsIgnoreCase(key, "is_connectable"))
                unit_.setConnectable(peer, equalsIgnoreCase(value, "ENABLE"));
        });
    }

    void systemSection(const CategoryData& record)
    {
        each(record, [&](std::string_view key, std::string_view value) {
            int digits = 0;
            if (equalsIgnoreCase(key, "ex_name"))
                unit_.setExchangeName(value);
            else if (equalsIgnoreCase(key, "system_name"))
                unit_.setSystemName(value);
            else if (equalsIgnoreCase(key, "passwd"))
                unit_.setPassword(value);
            else if (equalsIgnoreCase(key, "sta_no_digits") && number(value, digits))
                system_.setStationDigits(digits);
            else if (equalsIgnoreCase(key, "pag_no_digits") && number(value, digits))
                system_.setPagingDigits(digits);
            else if (equalsIgnoreCase(key, "ctrl_no_digits") && number(value, digits))
                system_.setControlDigits(digits);
            else if (equalsIgnoreCase(key, "sta_passwd"))
                system_.setMaintenancePassword(value);
        });
    }

    void joinGroup(BlockGroupMember* member, std::string_view value)
    {
        int g = 0;
        if (!value.empty() && number(value, g))
            if (BlockGroup* group = system_.blockGroup(g))
                group->addMember(member);
    }

    void station(const CategoryData& record)
    {
        int id = 0;
        if (!ownLine(record, "sta_id", unit_, id) || !unit_.station(id))
            return;
        Station& s = *unit_.station(id);
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "sta_no"))
                s.setNumber(value);
            else if (equalsIgnoreCase(key, "sta_name"))
                s.setName(value);
            else if (equalsIgnoreCase(key, "block_gr_no"))
                joinGroup(&s.settings(), value);
        });
    }

    void audioIn(const CategoryData& record)
    {
        int n = 0;
        AudioIn* input = ownLine(record, "audio_in_id", unit_, n) ? unit_.audioIn(n) : nullptr;
        if (!input)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "access"))
                input->setAccessNumber(value);
            else if (equalsIgnoreCase(key, "block_gr_no"))
                joinGroup(input, value);
        });
    }

    void contactOutMode(const CategoryData& record)
    {
        int n = 0;
        ContactOut* output = ownLine(record, "eout_id", unit_, n) ? unit_.contactOut(n) : nullptr;
        if (!output)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "operation_number"))
                output->setOperationNumber(value);
            else if (equalsIgnoreCase(key, "block_gr_no"))
                joinGroup(output, value);
        });
    }

    void groupBlock(const CategoryData& record)
    {
        const std::string_view* id = record.find("block_gr_no");
        int g = 0;
        BlockGroup* group = id && number(*id, g) ? system_.blockGroup(g) : nullptr;
        if (!group)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            int n = 0;
            if (equalsIgnoreCase(key, "call_block_no") && number(value, n))
                group->addCallBlock(n);
            else if (equalsIgnoreCase(key, "pag_block_no") && number(value, n))
                group->addPagingBlock(n);
        });
    }

    void paging(const CategoryData& record)
    {
        const std::string_view* id = record.find("pag_id");
        int z = 0;
        Paging* zone = id && number(*id, z) ? system_.paging(z) : nullptr;
        if (!zone)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "pag_name"))
                zone->setName(value);
            else if (equalsIgnoreCase(key, "pag_sta"))
                zone->addStation(LineReference::station(system_, value));
            else if (equalsIgnoreCase(key, "pag_pa"))
                zone->addAudioOutput(LineReference::audioOut(system_, value));
        });
    }

    void function(const CategoryData& record)
    {
        each(record, [&](std::string_view key, std::string_view value) {
            int n = 0;
            if (equalsIgnoreCase(key, "is_abs_xfer"))
                unit_.setCallForwardingText(value);
            else if (equalsIgnoreCase(key, "is_time_xfer"))
                unit_.setTimeForwardingText(value);
            else if (equalsIgnoreCase(key, "abs_xfer_start_time"))
                unit_.setTransferStartTime(value);
            else if (equalsIgnoreCase(key, "abs_xfer_end_time"))
                unit_.setTransferEndTime(value);
            else if (equalsIgnoreCase(key, "is_busy_xfer"))
                unit_.setGroupHuntingText(value);
            else if (equalsIgnoreCase(key, "is_no_ans_xfer"))
                unit_.setAbsenceTransferText(value);
            else if (equalsIgnoreCase(key, "no_ans_time") && number(value, n))
                unit_.setNoAnswerTime(n);
            else if (equalsIgnoreCase(key, "alert_time") && number(value, n))
                unit_.setCallTimeLimit(n);
            else if (equalsIgnoreCase(key, "cnv_time") && number(value, n))
                unit_.setConversationTimeLimit(n);
            else if (equalsIgnoreCase(key, "pag_answer_mode"))
                unit_.setPagingAnswerModeText(value);
            else if (equalsIgnoreCase(key, "pag_priority_mode"))
                unit_.setPagingPriorityModeText(value);
            else if (equalsIgnoreCase(key, "pag_time") && number(value, n))
                unit_.setPagingTimeLimit(n);
            else if (equalsIgnoreCase(key, "oneshot_time") && number(value, n))
                unit_.setOneShotTime(n);
            else if (equalsIgnoreCase(key, "calling_party_indication_mode"))
                unit_.setCallingPartyIndicationModeText(value);
            else if (equalsIgnoreCase(key, "DS_out_mode"))
                unit_.setDsOutMode(value);
        });
    }

    void bgm(const CategoryData& record)
    {
        const std::string_view* id = record.find("bgm_id");
        const std::string_view* source = record.find("bgm_input_no");
        int k = 0;
        if (!id || !source || !number(*id, k))
            return;
        unit_.setBgmSource(k, LineReference::audioIn(system_, *source));
    }

    Station* ownStation(const CategoryData& record)
    {
        const std::string_view* id = record.find("sta_id");
        int x = 0, line = 0;
        return id && LineReference::split(*id, x, line) ? unit_.station(line) : nullptr;
    }

    void stationAttribute(const CategoryData& record)
    {
        Station* s = ownStation(record);
        if (!s)
            return;
        // The model comes first: the other keys follow the rules of the new model.
        if (const std::string_view* type = record.find("sta_type")) {
            const int id = s->id();
            if (*type != s->modelName() && unit_.changeStationModel(id, *type))
                s = unit_.station(id);
        }
        each(record, [&](std::string_view key, std::string_view value) {
            bool on = false;
            int n = 0;
            if (equalsIgnoreCase(key, "is_enable_pag")) {
                if (switchValue(value, "ENABLE", "DISABLE", on))
                    s->setPagingReception(on);
            } else if (equalsIgnoreCase(key, "is_enable_ctrl")) {
                if (switchValue(value, "ENABLE", "DISABLE", on))
                    s->setControl(on);
            } else if (equalsIgnoreCase(key, "door_sta_timer")) {
                if (switchValue(value, "ON", "OFF", on))
                    s->setDoorTimer(on);
            } else if (equalsIgnoreCase(key, "receipt_mode")) {
                if (switchValue(value, "AUTO", "MANUAL", on))
                    s->setReceiptMode(on ? 1 : 0);
            } else if (equalsIgnoreCase(key, "auto_callsig")) {
                if (switchValue(value, "ON", "OFF", on))
                    s->setAutoCallSignal(on);
            } else if (equalsIgnoreCase(key, "manual_callsig")) {
                if (switchValue(value, "ON", "OFF", on))
                    s->setManualCallSignal(on);
            } else if (equalsIgnoreCase(key, "door_remote")) {
                if (ContactOut* output = LineReference::contactOut(system_, value))
                    s->setDoorRemote(output);
            } else if (equalsIgnoreCase(key, "calling_no")) {
                if (ContactOut* output = LineReference::contactOut(system_, value))
                    s->setCallingContact(output);
            } else if (equalsIgnoreCase(key, "called_no")) {
                s->addCalledStation(LineReference::station(system_, value));
            } else if (equalsIgnoreCase(key, "gr_member")) {
                s->addGroupMember(LineReference::station(system_, value));
            } else if (equalsIgnoreCase(key, "mic_level") && number(value, n)) {
                s->setMicLevel(n);
            } else if (equalsIgnoreCase(key, "sp_level") && number(value, n)) {
                s->setSpeakerLevel(n);
            } else if (equalsIgnoreCase(key, "sig_level") && number(value, n)) {
                s->setSignalLevel(n);
            } else if (equalsIgnoreCase(key, "priority_sta")) {
                if (switchValue(value, "ENABLE", "DISABLE", on))
                    s->setPriorityStation(on);
            } else if (equalsIgnoreCase(key, "priority_lim")) {
                if (switchValue(value, "ON", "OFF", on))
                    s->setPriorityLimit(on);
            } else if (equalsIgnoreCase(key, "mon_time") && number(value, n)) {
                s->setMonitoringTime(n);
            } else {
                monitoringEntry(*s, key, value);
            }
        });
    }

    // "mon_grpG_staP": an unresolvable value clears the entry.
    void monitoringEntry(Station& s, std::string_view key, std::string_view value)
    {
        constexpr std::string_view kPrefix = "mon_grp";
        if (key.size() <= kPrefix.size() ||
            !equalsIgnoreCase(key.substr(0, kPrefix.size()), kPrefix))
            return;
        const std::string_view rest = key.substr(kPrefix.size());
        const std::size_t sta = rest.find('_');
        int group = 0, position = 0;
        if (sta == std::string_view::npos || !number(rest.substr(0, sta), group) ||
            !equalsIgnoreCase(rest.substr(sta, 4), "_sta") ||
            !number(rest.substr(sta + 4), position))
            return;
        s.setMonitoringEntry(group, position, LineReference::station(system_, value));
    }

    void messagePaging(const CategoryData& record)
    {
        Station* s = ownStation(record);
        if (!s)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            int n = 0;
            if (equalsIgnoreCase(key, "is_enable_msg_pag"))
                s->setMessagePagingText(value);
            else if (equalsIgnoreCase(key, "start_mode"))
                s->setStartMode(value);
            else if (equalsIgnoreCase(key, "interlock_mode"))
                s->setInterlockMode(value);
            else if (equalsIgnoreCase(key, "siren_no") && number(value, n))
                system_.setSiren(n);
            else if (equalsIgnoreCase(key, "repeat_param") && number(value, n))
                s->setRepeat(n);
            else if (equalsIgnoreCase(key, "msg_pag_id") && number(value, n))
                s->setMessagePagingZone(system_.paging(n));
            else if (equalsIgnoreCase(key, "interlock_contact")) {
                if (ContactOut* output = LineReference::contactOut(system_, value))
                    s->setInterlockContact(output);
            }
        });
    }

    void transfer(const CategoryData& record)
    {
        Station* s = ownStation(record);
        if (!s)
            return;
        static const std::pair<const char*, int> kKeys[] = {{"xfer_time", StationImpl::XferTime},
                                                            {"xfer_abs", StationImpl::XferAbs},
                                                            {"xfer_noans", StationImpl::XferNoAns},
                                                            {"xfer_busy", StationImpl::XferBusy}};
        each(record, [&](std::string_view key, std::string_view value) {
            for (const auto& [name, which] : kKeys) {
                if (!equalsIgnoreCase(key, name))
                    continue;
                if (Station* target = LineReference::station(system_, value))
                    s->setTransfer(which, target);
            }
        });
    }

    void oneTouchDial(const CategoryData& record)
    {
        if (Station* s = ownStation(record)) {
            each(record, [&](std::string_view key, std::string_view value) {
                s->setOneTouch(key, value);
            });
        }
    }

    void autoDial(const CategoryData& record)
    {
        if (Station* s = ownStation(record)) {
            each(record, [&](std::string_view key, std::string_view value) {
                s->setAutoDial(key, value);
            });
        }
    }

    void bgmMode(const CategoryData& record)
    {
        Station* s = ownStation(record);
        const std::string_view* mode = record.find("bgm_mode");
        if (s && mode)
            s->setBgmModeText(*mode);
    }

    void remote(const CategoryData& record)
    {
        const std::string_view* id = record.find("remote_id");
        if (!id || id->empty())
            return;
        RemoteAnsGroup* group = system_.remoteAnsGroup(system_.stationByNumber(*id));
        if (!group)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            // Repeated records of one group add nothing new.
            if (equalsIgnoreCase(key, "remote_ans"))
                group->addStation(LineReference::station(system_, value));
        });
    }

    void audioInAttribute(const CategoryData& record)
    {
        int n = 0;
        AudioIn* input = ownLine(record, "audio_in_id", unit_, n) ? unit_.audioIn(n) : nullptr;
        if (!input)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            int v = 0;
            if (equalsIgnoreCase(key, "audio_in_mode"))
                input->setMode(value);
            else if (equalsIgnoreCase(key, "pag_id"))
                input->setPagingZone(number(value, v) ? system_.paging(v) : nullptr);
            else if (equalsIgnoreCase(key, "input_level") && number(value, v))
                input->setInputLevel(v);
            else if (equalsIgnoreCase(key, "line_attr"))
                input->setLineAttribute(value);
            else if (equalsIgnoreCase(key, "line_start"))
                input->setLineStart(value);
        });
    }

    void audioOutAttribute(const CategoryData& record)
    {
        int n = 0;
        AudioOut* output = ownLine(record, "audio_out_id", unit_, n) ? unit_.audioOut(n) : nullptr;
        if (!output)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            int v = 0;
            if (equalsIgnoreCase(key, "audio_out_mode"))
                output->setMode(value);
            else if (equalsIgnoreCase(key, "output_level") && number(value, v))
                output->setOutputLevel(v);
        });
    }

    void contactInAttribute(const CategoryData& record)
    {
        int n = 0;
        ContactIn* input = ownLine(record, "ein_id", unit_, n) ? unit_.contactIn(n) : nullptr;
        if (!input)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            int v = 0;
            if (equalsIgnoreCase(key, "ein_mode"))
                input->setMode(value);
            else if (equalsIgnoreCase(key, "input_signal_no"))
                input->setAudioInLink(LineReference::audioIn(system_, value));
            else if (equalsIgnoreCase(key, "pag_id"))
                input->setPagingZone(number(value, v) ? system_.paging(v) : nullptr);
            else if (equalsIgnoreCase(key, "bridge_eout"))
                input->setBridgeOutput(LineReference::contactOut(system_, value));
            else if (equalsIgnoreCase(key, "remote_stn"))
                input->setRemoteStation(LineReference::station(system_, value));
            else if (equalsIgnoreCase(key, "remote_dial"))
                input->setRemoteDial(value);
        });
    }

    void contactOutAttribute(const CategoryData& record)
    {
        int n = 0;
        ContactOut* output = ownLine(record, "eout_id", unit_, n) ? unit_.contactOut(n) : nullptr;
        if (!output)
            return;
        each(record, [&](std::string_view key, std::string_view value) {
            if (equalsIgnoreCase(key, "network_surveillance"))
                output->setNetworkSurveillance(value);
            else if (equalsIgnoreCase(key, "line_surveillance"))
                output->setLineSurveillance(value);
        });
    }

    Exchange& unit_;
    System& system_;
};

} // namespace

namespace {

// The unit number a file's "[system]" names with its model, 0 when it names none.
int unitOf(const SectionTable& table)
{
    const std::vector<CategoryData>& systemRecords = table.records("[system]");
    if (systemRecords.empty())
        return 0;
    const std::string_view* id = systemRecords.front().find("ex_id");
    const std::string_view* type = systemRecords.front().find("ex_type");
    unsigned long exId = 0;
    if (!id || !type || !TextRules::parseNumber(*id, 0xffffffffu, exId))
        return 0;
    return int(exId & 0xff);
}

} // namespace

int UnitFileReader::unitNumber(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return 0;
    return unitOf(SectionTable::parse(text));
}

int UnitFileReader::merge(System& system, std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return 0;
    const SectionTable table = SectionTable::parse(text);
    const std::vector<CategoryData>& systemRecords = table.records("[system]");
    const int n = unitOf(table);
    if (n == 0)
        return 0;
    const std::string_view* type = systemRecords.front().find("ex_type");
    if (!system.equipment(n))
        return 0;
    system.setChanged();

    // The slot takes the file's model on its own settings; an unknown model keeps the slot.
    if (system.equipment(n)->modelName() != *type) {
        if (auto replacement =
                system.exManager().create(*type, system.equipment(n)->settingsRecord(), system))
            system.setEquipment(n, std::move(replacement));
    }
    Exchange& unit = *system.equipment(n);
    SectionReader reader(unit);
    reader.read(systemRecords.front());
    if (!table.has("[station]"))
        return n;

    // Every file carries the numbers of every station in the system.
    for (const CategoryData& record : table.records("[station]")) {
        const std::string_view* sta = record.find("sta_id");
        const std::string_view* number = record.find("sta_no");
        Station* station = sta && number ? LineReference::station(system, *sta) : nullptr;
        if (station && station->setByKey("sta_no", *number))
            system.indexStation(*station);
    }

    for (const CategoryData& record : table.records("[station_attribute]"))
        reader.read(record);
    for (const CategoryData& record : table.records("[station]"))
        reader.read(record);
    for (const auto& [section, records] : table.sections()) {
        if (section == "[station_attribute]" || section == "[station]")
            continue;
        for (const CategoryData& record : records)
            reader.read(record);
    }
    unit.updateNaptFromValues();
    return n;
}
