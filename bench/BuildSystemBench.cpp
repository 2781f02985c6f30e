// The system model at full size: 80 units of mixed models, every station numbered and
// named, all paging zones and blocking groups populated, references everywhere. Measures
// building it, the rules pass that runs before every save, and model changes of every
// exchange while the rest of the system holds references into them.
//
// Heap use is counted by the global allocation functions below: "peak_MB" is the highest
// heap use while one system is being built, "held_MB" what the finished system keeps, both
// above what was allocated before the build started.

#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "Station.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <tuple>
#include <vector>

// ---------------------------------------------------------------------------------------
// Heap accounting. Sizes are taken from malloc_usable_size, so the sized and aligned
// delete variants need not trust the size they are handed and the figures include what
// the allocator rounds up.

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

std::atomic<std::size_t> gHeapNow{0};
std::atomic<std::size_t> gHeapPeak{0};
std::atomic<std::size_t> gAllocations{0};

void noteAllocated(void* block)
{
    const std::size_t size = malloc_usable_size(block);
    const std::size_t now = gHeapNow.fetch_add(size, kRelaxed) + size;
    gAllocations.fetch_add(1, kRelaxed);
    std::size_t peak = gHeapPeak.load(kRelaxed);
    while (now > peak && !gHeapPeak.compare_exchange_weak(peak, now, kRelaxed)) {
    }
}

void* allocate(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    noteAllocated(block);
    return block;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment)
{
    void* block = nullptr;
    const std::size_t align = std::max(std::size_t(alignment), sizeof(void*));
    if (posix_memalign(&block, align, size == 0 ? 1 : size) != 0)
        throw std::bad_alloc();
    noteAllocated(block);
    return block;
}

void release(void* block) noexcept
{
    if (!block)
        return;
    gHeapNow.fetch_sub(malloc_usable_size(block), kRelaxed);
    std::free(block);
}

// One measurement window: the peak restarts from the current use.
struct HeapMark {
    std::size_t base;
    std::size_t allocations;

    static HeapMark start()
    {
        const std::size_t now = gHeapNow.load(kRelaxed);
        gHeapPeak.store(now, kRelaxed);
        return {now, gAllocations.load(kRelaxed)};
    }
    double peakMB() const { return double(gHeapPeak.load(kRelaxed) - base) / (1024.0 * 1024.0); }
    double heldMB() const
    {
        return (double(gHeapNow.load(kRelaxed)) - double(base)) / (1024.0 * 1024.0);
    }
    double allocationsSince() const { return double(gAllocations.load(kRelaxed) - allocations); }
};

} // namespace

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t al)
{
    return allocateAligned(size, al);
}
void* operator new[](std::size_t size, std::align_val_t al)
{
    return allocateAligned(size, al);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept
{
    try {
        return allocateAligned(size, al);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t& tag) noexcept
{
    return operator new(size, al, tag);
}

void operator delete(void* p) noexcept
{
    release(p);
}
void operator delete[](void* p) noexcept
{
    release(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    release(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(p);
}

namespace {

double maxRssMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// ---------------------------------------------------------------------------------------
// The full system.

constexpr int kUnits = 80;
constexpr int kZones = 160;
constexpr int kBlockGroups = 31;
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

// The zones' public-address outputs: two per zone, spread over the R-4100EX units.
template <class Action> void forEachZoneOutput(const std::vector<int>& paUnits, Action action)
{
    const std::size_t count = paUnits.size();
    for (int z = 1; z <= kZones; ++z) {
        action(z, paUnits[std::size_t(2 * z) % count], 1);
        action(z, paUnits[std::size_t(2 * z + 1) % count], 2);
    }
}

struct FullSystem {
    std::unique_ptr<R4000System> sys;
    std::vector<int> paUnits; // slots holding an R-4100EX
    std::string error;        // the first step the model refused, empty when none was
};

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

FullSystem buildFullSystem()
{
    return Builder().build();
}

// What a filled system holds, counted through the public interface.
struct Census {
    int stations = 0;
    int called = 0;
    int groupMembers = 0;
    int monitoring = 0;
    int transfers = 0;
    int zoneStations = 0;
    int zoneOutputs = 0;
    int blockMembers = 0;
    int remoteGroups = 0;
    int remoteMembers = 0;
    int contactLinks = 0;

    auto fields() const
    {
        return std::tie(stations, called, groupMembers, monitoring, transfers, zoneStations,
                        zoneOutputs, blockMembers, remoteGroups, remoteMembers, contactLinks);
    }
    bool operator==(const Census& other) const { return fields() == other.fields(); }

    std::string text() const
    {
        char line[256];
        std::snprintf(line, sizeof line,
                      "stations %d called %d members %d monitoring %d transfers %d zone stations "
                      "%d zone outputs %d block members %d remote groups %d/%d contact links %d",
                      stations, called, groupMembers, monitoring, transfers, zoneStations,
                      zoneOutputs, blockMembers, remoteGroups, remoteMembers, contactLinks);
        return line;
    }

    static Census of(const R4000System& sys)
    {
        Census c;
        for (int n = 1; n <= sys.registeredCount(); ++n) {
            const Exchange* e = sys.equipment(n);
            for (int line = 1; line <= e->stationCount(); ++line) {
                const Station* st = e->station(line);
                c.stations += st->inUse();
                c.called += int(st->calledStations().size());
                c.groupMembers += int(st->groupMembers().size());
                for (int g = 1; g <= StationImpl::kMonitorGroups; ++g)
                    for (int p = 1; p <= StationImpl::kMonitorPositions; ++p)
                        c.monitoring += st->monitoringEntry(g, p) != nullptr;
                for (int t = 0; t < StationImpl::kTransfers; ++t)
                    c.transfers += st->transfer(StationImpl::Transfer(t)) != nullptr;
            }
            for (int k = 1; k <= e->contactInCount(); ++k)
                c.contactLinks += e->contactIn(k)->bridgeOutput() != nullptr;
        }
        for (int z = 1; z <= kZones; ++z) {
            c.zoneStations += int(sys.paging(z)->stations().size());
            c.zoneOutputs += int(sys.paging(z)->audioOutputs().size());
        }
        for (int g = 1; g <= kBlockGroups; ++g)
            c.blockMembers += int(sys.blockGroup(g)->members().size());
        for (const RemoteAnsGroup* group : sys.remoteAnsGroups()) {
            ++c.remoteGroups;
            c.remoteMembers += int(group->members().size());
        }
        return c;
    }
};

// ---------------------------------------------------------------------------------------
// Benchmarks.

void BM_BuildFullSystem(benchmark::State& state)
{
    FullSystem built;
    HeapMark mark{};
    double peakMB = 0;
    double heldMB = 0;
    double allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        built = FullSystem(); // the previous system goes before the window opens
        mark = HeapMark::start();
        state.ResumeTiming();

        built = buildFullSystem();

        if (!built.error.empty() || built.sys->registeredCount() != kUnits) {
            state.SkipWithError(("build failed: " + built.error).c_str());
            return;
        }
        peakMB = mark.peakMB();
        heldMB = mark.heldMB();
        allocations = mark.allocationsSince();
    }
    state.counters["peak_MB"] = peakMB;
    state.counters["held_MB"] = heldMB;
    state.counters["allocs"] = allocations;
    state.counters["stations"] = Census::of(*built.sys).stations;
    state.counters["maxrss_MB"] = maxRssMB();
}
BENCHMARK(BM_BuildFullSystem)->Unit(benchmark::kMillisecond);

// The rules pass on a system that is already consistent: it must change nothing, which
// also proves the built system carries no reference the writer would drop.
void BM_ApplyModelRules(benchmark::State& state)
{
    FullSystem built = buildFullSystem();
    if (!built.error.empty()) {
        state.SkipWithError(("build failed: " + built.error).c_str());
        return;
    }
    R4000System& sys = *built.sys;
    const Census before = Census::of(sys);
    sys.applyModelRules();
    const Census after = Census::of(sys);
    if (!(before == after)) {
        state.SkipWithError(
            ("rules changed the system:\n  before " + before.text() + "\n  after  " + after.text())
                .c_str());
        return;
    }

    for (auto _ : state)
        sys.applyModelRules();

    if (!(Census::of(sys) == before))
        state.SkipWithError("repeated rules changed the system");
    state.counters["maxrss_MB"] = maxRssMB();
}
BENCHMARK(BM_ApplyModelRules)->Unit(benchmark::kMillisecond);

// Every R-4100EX becomes an R-4120EX and back. The first change drops the two audio
// outputs, so every holder of references is told; the zones get their outputs back
// outside the timed part so each round starts from the same system.
void BM_ReplaceEveryExchangeModel(benchmark::State& state)
{
    FullSystem built = buildFullSystem();
    if (!built.error.empty()) {
        state.SkipWithError(("build failed: " + built.error).c_str());
        return;
    }
    R4000System& sys = *built.sys;
    const Census before = Census::of(sys);

    for (auto _ : state) {
        for (int n : built.paUnits) {
            if (!sys.changeEquipmentModel(n, "R-4120EX")) {
                state.SkipWithError("change to R-4120EX refused");
                return;
            }
        }
        for (int n : built.paUnits) {
            if (!sys.changeEquipmentModel(n, "R-4100EX")) {
                state.SkipWithError("change to R-4100EX refused");
                return;
            }
        }

        state.PauseTiming();
        forEachZoneOutput(built.paUnits, [&](int z, int unit, int line) {
            sys.paging(z)->addAudioOutput(sys.equipment(unit)->audioOut(line));
        });
        state.ResumeTiming();
    }

    // Everything but the restored outputs came through untouched, and the number index
    // still finds the stations of the replaced units.
    const Census after = Census::of(sys);
    if (!(after == before)) {
        state.SkipWithError(("replacement changed the system:\n  before " + before.text() +
                             "\n  after  " + after.text())
                                .c_str());
        return;
    }
    for (int n : built.paUnits) {
        Station* first = sys.equipment(n)->station(1);
        if (sys.equipment(n)->modelName() != "R-4100EX" ||
            sys.stationByNumber(first->number()) != first) {
            state.SkipWithError(("unit " + std::to_string(n) + " lost its stations").c_str());
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(2 * built.paUnits.size()));
    state.counters["maxrss_MB"] = maxRssMB();
}
BENCHMARK(BM_ReplaceEveryExchangeModel)->Unit(benchmark::kMillisecond);

} // namespace
