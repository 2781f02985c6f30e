#include "FullSystem.h"

#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "RemoteAnsGroup.h"
#include "Station.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace bench {

namespace {

constexpr int kZoneStations = 20;
constexpr int kRemoteGroupsOnExchanges = 24;
constexpr int kRemoteGroupSize = 6;
constexpr int kContactLinksPerInterface = 8;

constexpr std::string_view kMasterModels[] = {"R-4100MS", "R-4120MS", "R-4121MS", "R-4130MS",
                                              "R-4142MS"};

// A fixed mix: 56 R-4100EX, 8 R-4120EX, 4 R-4100MI, 8 R-4700MS, 4 R-4760DS.
std::string_view modelOfUnit(int n)
{
    if (n % 20 == 0)
        return "R-4100MI";
    if (n % 10 == 5)
        return "R-4700MS";
    if (n % 20 == 10)
        return "R-4760DS";
    if (n % 8 == 3)
        return "R-4120EX";
    return "R-4100EX";
}

// On exchanges, the last two lines are door stations and the rest cycle the masters.
std::string_view stationModelOf(int unit, int line)
{
    return line >= 15 ? "R-4160DS" : kMasterModels[std::size_t(unit + line) % 5];
}

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

class Builder
{
public:
    FullSystem build()
    {
        out_.sys = std::make_unique<R4000System>(Locale::fromCode("en"));
        R4000System& sys = *out_.sys;
        need(sys.setStationDigits(4), "station digits", 4);
        need(sys.setPagingDigits(3), "paging digits", 3);

        addUnits(sys);
        fillStationSets();
        fillPaging(sys);
        fillBlockGroups(sys);
        fillRemoteGroups(sys);
        linkContacts();

        need(sys.registeredCount() == kUnits, "registered count", sys.registeredCount());
        return std::move(out_);
    }

private:
    void need(bool ok, const char* step, int at)
    {
        if (!ok && out_.error.empty())
            out_.error = std::string(step) + " refused at " + std::to_string(at);
    }

    void addUnits(R4000System& sys)
    {
        for (int n = 1; n <= kUnits; ++n) {
            Exchange* e = sys.insertEquipment(n, modelOfUnit(n));
            need(e != nullptr, "insert", n);
            if (!e)
                return;
            need(e->setIpAddressText("10.0.1." + std::to_string(n + 10)), "ip address", n);
            need(e->setSubnetMaskText("255.255.0.0"), "subnet mask", n);
            if (e->isExchange()) {
                need(e->setExchangeName("EX" + twoDigits(n)), "exchange name", n);
                for (int line = 1; line <= e->stationCount(); ++line)
                    need(e->changeStationModel(line, stationModelOf(n, line)), "station model",
                         n * 100 + line);
                if (e->modelName() == "R-4100EX")
                    out_.paUnits.push_back(n);
            }
            if (e->isMultiInterface())
                interfaces_.push_back(e);
            if (e->modelName() == "R-4700MS")
                ipMasters_.push_back(e->station(1));

            for (int line = 1; line <= e->stationCount(); ++line) {
                Station* st = e->station(line);
                const std::string number = std::to_string(1000 + stations_.size());
                need(st->setNumber(number), "station number", n * 100 + line);
                need(st->setName("St" + number), "station name", n * 100 + line);
                stations_.push_back(st);
                if (!st->isDoorStation())
                    masters_.push_back(st);
            }
        }
    }

    // Called sets for everybody; group members, monitoring and transfers for the masters
    // (door stations have none of those).
    void fillStationSets()
    {
        const std::size_t masters = masters_.size();
        for (std::size_t i = 0; i < stations_.size(); ++i) {
            Station* st = stations_[i];
            for (std::size_t j = 1; j <= StationImpl::kMaxSetSize; ++j) {
                Station* target = masters_[(i * 7 + j * 13) % masters];
                if (target != st)
                    need(st->addCalledStation(target), "called station", int(i));
            }
        }
        for (std::size_t i = 0; i < masters; ++i) {
            Station* st = masters_[i];
            for (std::size_t j = 1; j <= StationImpl::kMaxSetSize; ++j)
                need(st->addGroupMember(masters_[(i + j) % masters]), "group member", int(i));
            for (int g = 1; g <= StationImpl::kMonitorGroups; ++g) {
                for (int p = 1; p <= StationImpl::kMonitorPositions; ++p) {
                    const std::size_t offset =
                        std::size_t((g - 1) * StationImpl::kMonitorPositions + p);
                    need(st->setMonitoringEntry(g, p, masters_[(i + offset) % masters]),
                         "monitoring entry", int(i));
                }
            }
            st->setTransfer(StationImpl::XferAbs, masters_[(i + 1) % masters]);
            st->setTransfer(StationImpl::XferNoAns, masters_[(i + 2) % masters]);
            st->setTransfer(StationImpl::XferBusy, masters_[(i + 3) % masters]);
            st->setTransfer(StationImpl::XferTime, masters_[(i + 4) % masters]);
        }
    }

    void fillPaging(R4000System& sys)
    {
        const std::size_t count = stations_.size();
        for (int z = 1; z <= kZones; ++z) {
            Paging* zone = sys.paging(z);
            need(zone->setName("Zone " + std::to_string(z)), "zone name", z);
            for (std::size_t k = 0; k < kZoneStations; ++k)
                need(zone->addStation(stations_[(std::size_t(z) * 13 + k * 53) % count]),
                     "zone station", z);
        }
        forEachZoneOutput(out_.paUnits, [&](int z, int unit, int line) {
            need(sys.paging(z)->addAudioOutput(sys.equipment(unit)->audioOut(line)), "zone output",
                 z);
        });
    }

    void fillBlockGroups(R4000System& sys)
    {
        for (std::size_t i = 0; i < stations_.size(); ++i)
            sys.blockGroup(1 + int(i % kBlockGroups))->addMember(&stations_[i]->settings());
        for (int g = 1; g <= kBlockGroups; ++g) {
            BlockGroup* group = sys.blockGroup(g);
            need(group->addCallBlock(g % kBlockGroups + 1), "call block", g);
            need(group->addCallBlock((g + 1) % kBlockGroups + 1), "call block", g);
            for (int z = g; z <= kZones; z += kBlockGroups)
                need(group->addPagingBlock(z), "paging block", g);
        }
    }

    // Groups on the first exchanges (lines 1..6, all masters), and one of the IP masters.
    void fillRemoteGroups(R4000System& sys)
    {
        const int groups = std::min<int>(kRemoteGroupsOnExchanges, int(out_.paUnits.size()));
        for (int i = 0; i < groups; ++i) {
            Exchange* e = sys.equipment(out_.paUnits[std::size_t(i)]);
            RemoteAnsGroup* group = sys.remoteAnsGroup(e->station(1));
            need(group != nullptr, "remote group", i);
            for (int line = 2; group && line <= kRemoteGroupSize; ++line)
                need(group->addStation(e->station(line)), "remote member", i);
        }
        if (ipMasters_.empty())
            return;
        RemoteAnsGroup* group = sys.remoteAnsGroup(ipMasters_.front());
        need(group != nullptr, "remote group", groups);
        for (std::size_t i = 1; group && i < ipMasters_.size(); ++i)
            need(group->addStation(ipMasters_[i]), "remote member", groups);
    }

    // Each interface's first inputs drive the outputs of the next interface.
    void linkContacts()
    {
        for (std::size_t i = 0; i < interfaces_.size(); ++i) {
            Exchange* from = interfaces_[i];
            Exchange* to = interfaces_[(i + 1) % interfaces_.size()];
            for (int k = 1; k <= kContactLinksPerInterface; ++k) {
                ContactIn* input = from->contactIn(k);
                need(input->setMode(k % 2 ? "LEVEL" : "EDGE"), "contact mode", k);
                input->setBridgeOutput(to->contactOut(k));
            }
        }
    }

    FullSystem out_;
    std::vector<Station*> stations_; // in slot order
    std::vector<Station*> masters_;
    std::vector<Station*> ipMasters_;
    std::vector<Exchange*> interfaces_;
};

} // namespace

FullSystem buildFullSystem()
{
    return Builder().build();
}

} // namespace bench
