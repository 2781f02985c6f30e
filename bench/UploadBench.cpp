// Uploading the settings of every unit at once: 80 simulated units that each take 200 ms
// to answer, against one unit alone. With one worker per unit the 80 should take little
// longer than the one (goal: under 1.5 times), and memory stay small (goal: under 100 MB).
//
// The units have real-looking addresses, so run it inside a network namespace:
//   scripts/in-netns build/bench/bench_net
//
// Counters: "units"; "peak_MB" the highest heap use during one upload above what was in
// use before it; "maxrss_MB" the process's peak resident size. Wall time is what counts.

#include "Exchange.h"
#include "HeapAccounting.h"
#include "R4000System.h"
#include "SettingsTransfer.h"
#include "SystemCredentials.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kMaxUnits = 80;

std::string addressOf(int n)
{
    return "198.18.1." + std::to_string(n);
}

// kMaxUnits simulated units answering after 200 ms, started once for all runs.
class Units
{
public:
    Units()
    {
        std::vector<std::string> descriptions;
        for (int n = 1; n <= kMaxUnits; ++n)
            descriptions.push_back("address=" + addressOf(n) + ",port=80,dir=" + folder_.path() +
                                   "/" + std::to_string(n) +
                                   ",name=Tower,password=secret,upload-reply=OK,delay-ms=200");
        sim_ = std::make_unique<UnitSimProcess>(descriptions);
    }
    bool ready() const { return sim_->ready(); }
    std::string error() const { return sim_->errorOutput(); }

private:
    TempFolder folder_;
    std::unique_ptr<UnitSimProcess> sim_;
};

Units& units()
{
    static Units started;
    return started;
}

void uploadAll(benchmark::State& state)
{
    if (!units().ready()) {
        state.SkipWithError(("units did not start: " + units().error()).c_str());
        return;
    }
    const int count = int(state.range(0));
    R4000System system;
    SystemCredentials::apply(system, "Tower", "secret", "secret");
    for (int n = 1; n <= count; ++n) {
        system.insertEquipment(n, "R-4100EX")->setIpAddressText(addressOf(n));
        system.equipment(n)->setNapt(false);
    }
    UnitClient::Options options;
    options.stamp = "2026/12/10 12:00:00";
    double peak = 0;
    for (auto _ : state) {
        const HeapMark mark = HeapMark::start();
        const auto report = SettingsTransfer::uploadAll(system, {system, nullptr, options},
                                                        AllUnitRun::WaitMode::Blocking);
        peak = std::max(peak, mark.peakMB());
        if (!report.failures.empty())
            state.SkipWithError(("units failed:" + report.failures).c_str());
    }
    state.counters["units"] = count;
    state.counters["peak_MB"] = peak;
    state.counters["maxrss_MB"] = maxRssMB();
}

BENCHMARK(uploadAll)
    ->Arg(1)
    ->Arg(kMaxUnits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

} // namespace
