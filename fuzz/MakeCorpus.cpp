// Writes the seed corpus of the fuzz targets: the files a save writes for a few small
// systems, and cut-down unit files that keep a handful of sections each, so that the
// fuzzer spends its time on short inputs that still reach every section reader.
//
// Usage: fuzz_make_corpus <corpus folder>   (writes <folder>/settings and <folder>/system)
// Hand-made edge files in the corpus are not touched.

#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "PasswordCodec.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "Station.h"
#include "StationImpl.h"
#include "SystemFolder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kStamp = "2026/01/01 00:00:00";

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("cannot build the seed system: ") + what);
}

void fill(System& sys, std::initializer_list<const char*> models)
{
    int n = 1;
    for (const char* model : models)
        check(sys.insertEquipment(n++, model) != nullptr, model);
    for (int k = 1; k <= sys.registeredCount(); ++k) {
        Exchange& unit = *sys.equipment(k);
        check(unit.setIpAddressText("192.168.1." + std::to_string(10 + k)), "ip");
        check(unit.setSubnetMaskText("255.255.255.0"), "mask");
        check(unit.setGatewayAddressText("192.168.1.1"), "gateway");
    }
}

Station& make(System& sys, int n, int line, const char* model, const char* number)
{
    Exchange& unit = *sys.equipment(n);
    if (unit.station(line)->modelName() != model)
        check(unit.changeStationModel(line, model), model);
    Station& s = *unit.station(line);
    check(s.setNumber(number), number);
    return s;
}

// Five units of every kind, with stations, zones, groups, remote groups and contacts.
void buildPlant(System& sys)
{
    fill(sys, {"R-4100EX", "R-4100MI", "R-4700MS", "R-4760DS", "R-4120EX"});
    check(sys.setSystemName("Plant"), "name");
    check(sys.setPagingDigits(2), "paging digits");

    Station& desk = make(sys, 1, 1, "R-4100MS", "11");
    Station& door = make(sys, 1, 2, "R-4160DS", "12");
    Station& hall = make(sys, 5, 1, "R-4120MS", "51");
    Station& ip = *sys.equipment(3)->station(1);
    check(ip.setNumber("31"), "31");
    Station& gate = *sys.equipment(4)->station(1);
    check(gate.setNumber("41"), "41");
    check(desk.setName("Desk"), "desk name");
    check(door.setName("Door"), "door name");
    desk.addCalledStation(&door);
    desk.addCalledStation(&gate);
    check(desk.addGroupMember(&ip), "group member");
    check(desk.setMonitoringEntry(2, 3, &door), "monitoring");
    check(desk.setTransfer(StationImpl::XferAbs, &ip), "transfer");
    check(desk.setTransfer(StationImpl::XferBusy, &hall), "transfer busy");
    check(desk.setOneTouch("onetouch_oh", "12#"), "one-touch");
    check(door.setOneTouch("onetouch_0", "11"), "door one-touch");
    check(ip.setMessagePaging(true), "message paging");

    check(sys.paging(12)->setName("Hall"), "zone name");
    check(sys.paging(12)->addStation(&desk), "zone station");
    check(sys.paging(12)->addStation(&hall), "zone station");
    check(sys.paging(12)->addAudioOutput(sys.equipment(1)->audioOut(2)), "zone output");
    check(sys.paging(3)->setName("Yard"), "zone name");
    check(sys.paging(3)->addStation(&gate), "zone station");
    check(ip.setMessagePagingZone(sys.paging(12)), "message zone");

    sys.blockGroup(3)->addMember(&desk.settings());
    check(sys.blockGroup(3)->addPagingBlock(12), "paging block");
    check(sys.blockGroup(3)->addCallBlock(5), "call block");
    sys.blockGroup(5)->addMember(&hall.settings());
    RemoteAnsGroup* group = sys.remoteAnsGroup(&desk);
    check(group != nullptr, "remote group");
    check(group->addStation(&ip), "remote member");

    Exchange& mi = *sys.equipment(2);
    check(mi.audioIn(1)->setMode("BGM"), "bgm input");
    check(mi.audioIn(2)->setMode("PBX"), "pbx input");
    check(mi.audioIn(2)->setAccessNumber("7"), "access");
    check(sys.equipment(1)->setBgmSource(1, mi.audioIn(1)), "bgm source");
    check(mi.contactIn(1)->setMode("LEVEL"), "level");
    mi.contactIn(1)->setBridgeOutput(mi.contactOut(3));
    check(mi.contactIn(2)->setMode("REMOTE_CONTROL"), "remote control");
    mi.contactIn(2)->setRemoteStation(&desk);
    check(mi.contactIn(2)->setRemoteDial("HF12"), "remote dial");
    check(mi.contactOut(3)->setOperationNumber("5"), "operation number");
    sys.blockGroup(4)->addMember(mi.contactOut(3));

    Exchange& ex = *sys.equipment(1);
    ex.setNapt(true);
    check(ex.setWanIpAddressText("203.0.113.7"), "wan");
    check(ex.setSynMode("SOURCE"), "syn mode");
    check(ex.addSynDestination("192.168.1.20", 5006), "syn destination");
    check(mi.setConnectable(4, false), "connectable");
}

// Longer numbers and three-digit zones, a destination sync unit and an auxiliary paging input.
void buildTower(System& sys)
{
    fill(sys, {"R-4120EX", "R-4100MI", "R-4100EX", "R-4760DS"});
    check(sys.setSystemName("Tower"), "name");
    // As a first save does: every unit takes the system's name and password.
    const std::string stored = PasswordCodec::encode("tower99", "Tower");
    check(sys.setPassword(stored), "password");
    for (int n = 1; n <= sys.registeredCount(); ++n) {
        check(sys.equipment(n)->setSystemName("Tower"), "unit system name");
        check(sys.equipment(n)->setPassword(stored), "unit password");
    }
    check(sys.setStationDigits(4), "station digits");
    check(sys.setPagingDigits(3), "paging digits");
    sys.setScanStartAddress(Ipv4Address(192, 168, 1, 11));
    sys.setScanAssignCount(4);

    Station& a = make(sys, 1, 1, "R-4120MS", "1001");
    Station& b = make(sys, 1, 2, "R-4121MS", "1002");
    Station& c = make(sys, 3, 1, "R-4100MS", "3001");
    Station& d = make(sys, 3, 2, "R-4142MS", "3002");
    Station& gate = *sys.equipment(4)->station(1);
    check(gate.setNumber("4001"), "4001");
    check(a.setName("Lobby"), "lobby");
    a.addCalledStation(&c);
    check(a.addGroupMember(&b), "group member");
    check(c.setTransfer(StationImpl::XferNoAns, &d), "transfer");
    check(b.setOneTouch("onetouch_7", "3001"), "one-touch");

    check(sys.paging(120)->setName("Roof"), "zone name");
    check(sys.paging(120)->addStation(&c), "zone station");
    check(sys.paging(120)->addAudioOutput(sys.equipment(2)->audioOut(1)), "zone output");
    sys.blockGroup(1)->addMember(&a.settings());
    check(sys.blockGroup(1)->addCallBlock(2), "call block");
    check(sys.blockGroup(1)->addPagingBlock(120), "paging block");
    RemoteAnsGroup* group = sys.remoteAnsGroup(&c);
    check(group != nullptr, "remote group");
    check(group->addStation(&d), "remote member");

    Exchange& mi = *sys.equipment(2);
    check(mi.audioIn(1)->setMode("AUX_INPUT_PAG"), "aux input");
    check(mi.audioOut(1)->setMode("PA_PAG"), "pa output");
    check(mi.contactIn(1)->setMode("AUX_INPUT_PAG"), "aux contact");
    mi.contactIn(1)->setAudioInLink(mi.audioIn(1));
    mi.contactIn(1)->setPagingZone(sys.paging(120));
    check(mi.audioIn(2)->setMode("TIE_LINE"), "tie line");
    check(mi.contactIn(2)->setMode("EDGE"), "edge");
    mi.contactIn(2)->setBridgeOutput(mi.contactOut(1));

    check(sys.equipment(3)->setSynMode("DESTINATION"), "syn mode");
    check(sys.equipment(3)->setSynSource("192.168.1.11"), "syn source");
    check(sys.equipment(4)->setNetworkId(2), "network id");
}

// One door-station unit and nothing else.
void buildGate(System& sys)
{
    fill(sys, {"R-4760DS"});
    check(sys.setSystemName("Gate"), "name");
    check(sys.equipment(1)->station(1)->setNumber("10"), "10");
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
    std::cout << path << " (" << text.size() << " bytes)\n";
}

// A unit file as the writer lays it out: the lines before the first heading, then each
// section's heading with its records (runs of key lines between "--" lines).
struct Layout {
    struct Section {
        std::string heading;
        std::vector<std::vector<std::string>> records;
    };
    std::vector<std::string> preamble;
    std::vector<Section> sections;
};

Layout layoutOf(const std::string& text)
{
    Layout layout;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 2;
        if (!line.empty() && line.front() == '[') {
            layout.sections.push_back({line, {{}}});
        } else if (layout.sections.empty()) {
            layout.preamble.push_back(line);
        } else if (line == "--") {
            layout.sections.back().records.emplace_back();
        } else if (!line.empty()) {
            layout.sections.back().records.back().push_back(line);
        }
    }
    return layout;
}

// How much a record says: its key lines with a value other than "NONE".
int weight(const std::vector<std::string>& record)
{
    int valued = 0;
    for (const std::string& line : record) {
        const std::size_t equals = line.find('=');
        valued += equals + 1 < line.size() && line.compare(equals + 1, 5, "NONE") != 0;
    }
    return valued;
}

// The unit file cut down to the given sections. A section of many records keeps the few
// that say the most, in file order; records that hold no more than their id are dropped.
std::string trimmed(const std::string& text, std::initializer_list<const char*> keep,
                    std::size_t maxRecords = 8)
{
    const std::set<std::string> wanted(keep.begin(), keep.end());
    const Layout layout = layoutOf(text);
    std::string out;
    for (const std::string& line : layout.preamble)
        out += line + "\r\n";
    for (const Layout::Section& section : layout.sections) {
        if (!wanted.count(section.heading))
            continue;
        std::vector<std::size_t> chosen;
        for (std::size_t i = 0; i < section.records.size(); ++i)
            if (section.records.size() == 1 || weight(section.records[i]) >= 2)
                chosen.push_back(i);
        std::stable_sort(chosen.begin(), chosen.end(), [&](std::size_t a, std::size_t b) {
            return weight(section.records[a]) > weight(section.records[b]);
        });
        if (chosen.size() > maxRecords)
            chosen.resize(maxRecords);
        std::sort(chosen.begin(), chosen.end());

        out += "\r\n" + section.heading + "\r\n";
        for (std::size_t i : chosen) {
            if (i != chosen.front())
                out += "--\r\n";
            for (const std::string& line : section.records[i])
                out += line + "\r\n";
        }
    }
    return out;
}

void writeSystem(System& sys, const std::string& corpus, const std::string& tag,
                 std::initializer_list<int> wholeUnits)
{
    const std::vector<SystemFolder::File> files = SystemFolder::render(sys, kStamp);
    writeFile(corpus + "/system/" + tag + ".sys", files.front().text);
    for (std::size_t i = 1; i < files.size(); ++i) {
        const std::string& text = files[i].text;
        const std::string& name = files[i].name; // "001.cfg"
        const std::string base = corpus + "/settings/" + tag + "-" + name.substr(0, 3);
        for (int whole : wholeUnits)
            if (std::size_t(whole) == i)
                writeFile(base + ".cfg", text);
        writeFile(base + "-unit.cfg",
                  trimmed(text, {"[header]", "[network]", "[wan_access]", "[stream_spec]",
                                 "[other_ex]", "[system]", "[function]", "[bgm]"}));
        writeFile(base + "-stations.cfg",
                  trimmed(text, {"[system]", "[station]", "[station_attribute]", "[msg_pag]",
                                 "[transfer]", "[onetouch_dial]", "[bgm_mode]", "[remote]"}));
        writeFile(base + "-groups.cfg", trimmed(text, {"[system]", "[station]", "[group_block]",
                                                       "[paging]", "[remote]"}));
        if (sys.equipment(int(i))->isMultiInterface())
            writeFile(
                base + "-lines.cfg",
                trimmed(text, {"[system]", "[station]", "[audio_in]", "[audio_out]", "[ein_mode]",
                               "[eout_mode]", "[audio_in_attribute]", "[audio_out_attribute]",
                               "[ein_attribute]", "[eout_attribute]"}));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_corpus <corpus folder>\n";
        return 2;
    }
    const std::string corpus = argv[1];
    try {
        R4000System plant;
        buildPlant(plant);
        writeSystem(plant, corpus, "plant", {1, 2, 3, 4, 5});
        R4000System tower;
        buildTower(tower);
        writeSystem(tower, corpus, "tower", {});
        R4000System gate;
        buildGate(gate);
        writeSystem(gate, corpus, "gate", {});
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
