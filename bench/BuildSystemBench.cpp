// The system model at full size: 80 units of mixed models, every station numbered and
// named, all paging zones and blocking groups populated, references everywhere. Measures
// building it, the rules pass that runs before every save, and model changes of every
// exchange while the rest of the system holds references into them.
//
// Heap use is counted by the global allocation functions (HeapAccounting.cpp): "peak_MB" is
// the highest heap use while one system is being built, "held_MB" what the finished system
// keeps, both above what was allocated before the build started.

#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "Exchange.h"
#include "FullSystem.h"
#include "HeapAccounting.h"
#include "Paging.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "Station.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>

namespace {

using bench::buildFullSystem;
using bench::forEachZoneOutput;
using bench::FullSystem;
using bench::kBlockGroups;
using bench::kUnits;
using bench::kZones;

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

// Builds the full system, or tells the benchmark why it could not.
bool buildOrSkip(benchmark::State& state, FullSystem& built)
{
    built = buildFullSystem();
    if (built.error.empty())
        return true;
    state.SkipWithError(("build failed: " + built.error).c_str());
    return false;
}

// The rules pass on a system that is already consistent: it must change nothing, which
// also proves the built system carries no reference the writer would drop.
void BM_ApplyModelRules(benchmark::State& state)
{
    FullSystem built;
    if (!buildOrSkip(state, built))
        return;
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
    FullSystem built;
    if (!buildOrSkip(state, built))
        return;
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
