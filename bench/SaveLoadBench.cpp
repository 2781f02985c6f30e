// Saving the full 80-unit system and reading it back: the cycle every "Save" of the System
// Setting Tool runs, where the model is written to its folder and then rebuilt from what
// was written. Also measures rendering the files alone and, for comparison, copying the
// saved folder with cp -r (which, unlike the save, does not flush anything to the disk).
//
// Counters: "MB_written" what one save writes; "save_ms" and "load_ms" the two halves of a
// cycle; "peak_MB" the highest heap use during one round above what was in use before it
// (HeapAccounting.cpp); "maxrss_MB" the process's peak resident size. The cycle and the
// copy wait for the disk, so they are timed by the wall clock.

#include "FullSystem.h"
#include "HeapAccounting.h"
#include "PosixFileOps.h"
#include "R4000System.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kStamp = "2026/12/10 12:00:00";

// Built once for all benchmarks: building takes longer than what they measure.
const bench::FullSystem& fullSystem()
{
    static const bench::FullSystem built = bench::buildFullSystem();
    return built;
}

// The full system, or null after reporting why there is none.
R4000System* systemFor(benchmark::State& state)
{
    const bench::FullSystem& built = fullSystem();
    if (!built.error.empty() || !built.sys) {
        state.SkipWithError(("build failed: " + built.error).c_str());
        return nullptr;
    }
    return built.sys.get();
}

std::size_t bytesOf(const std::vector<SystemFolder::File>& files)
{
    std::size_t bytes = 0;
    for (const SystemFolder::File& file : files)
        bytes += file.name.size() + 1 + file.text.size(); // the save's list names each file
    return bytes;
}

std::string renderedText(System& system)
{
    std::string all;
    for (const SystemFolder::File& file : SystemFolder::render(system, kStamp))
        all += "== " + file.name + "\n" + file.text;
    return all;
}

// The full system when it and the folder exist; otherwise the benchmark is told why not.
R4000System* systemWithFolder(benchmark::State& state, const TempFolder& temp)
{
    R4000System* sys = systemFor(state);
    if (sys && !temp.ok()) {
        state.SkipWithError("no temporary folder");
        return nullptr;
    }
    return sys;
}

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

constexpr double kMB = 1024.0 * 1024.0;

// save, then load into a fresh system: what "Save" costs the user.
void BM_SaveLoadCycle(benchmark::State& state)
{
    TempFolder temp;
    R4000System* sys = systemWithFolder(state, temp);
    if (!sys)
        return;
    PosixFileOps files;
    SystemFolder folder(files, SystemFolder::folderFor(temp.path(), sys->systemName()),
                        sys->systemName());
    const std::size_t bytes = bytesOf(SystemFolder::render(*sys, kStamp));
    std::string error;
    double saveMs = 0;
    double loadMs = 0;
    double peakMB = 0;

    for (auto _ : state) {
        const HeapMark mark = HeapMark::start();
        const Clock::time_point start = Clock::now();
        if (!folder.save(*sys, kStamp, error)) {
            state.SkipWithError(("save failed: " + error).c_str());
            return;
        }
        const Clock::time_point saved = Clock::now();
        {
            R4000System loaded;
            if (!folder.load(loaded, error)) {
                state.SkipWithError(("load failed: " + error).c_str());
                return;
            }
            benchmark::DoNotOptimize(loaded.registeredCount());
        }
        saveMs += msBetween(start, saved);
        loadMs += msBetween(saved, Clock::now());
        peakMB = std::max(peakMB, mark.peakMB());
    }

    // The cycle is only worth its time if it gives the system back.
    R4000System loaded;
    if (!folder.load(loaded, error) || loaded.registeredCount() != bench::kUnits ||
        renderedText(loaded) != renderedText(*sys)) {
        state.SkipWithError(("the reloaded system differs from the saved one " + error).c_str());
        return;
    }
    const double rounds = double(state.iterations());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["MB_written"] = double(bytes) / kMB;
    state.counters["save_ms"] = saveMs / rounds;
    state.counters["load_ms"] = loadMs / rounds;
    state.counters["peak_MB"] = peakMB;
    state.counters["maxrss_MB"] = maxRssMB();
}
BENCHMARK(BM_SaveLoadCycle)->Unit(benchmark::kMillisecond)->UseRealTime();

// The files' text alone, without any file operation.
void BM_Render(benchmark::State& state)
{
    R4000System* sys = systemFor(state);
    if (!sys)
        return;
    std::size_t bytes = 0;
    double peakMB = 0;
    for (auto _ : state) {
        const HeapMark mark = HeapMark::start();
        const std::vector<SystemFolder::File> rendered = SystemFolder::render(*sys, kStamp);
        bytes = bytesOf(rendered);
        peakMB = std::max(peakMB, mark.peakMB());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["MB_written"] = double(bytes) / kMB;
    state.counters["peak_MB"] = peakMB;
    state.counters["maxrss_MB"] = maxRssMB();
}
BENCHMARK(BM_Render)->Unit(benchmark::kMillisecond);

// For comparison: cp -r of the saved folder, started through the shell as a user would.
void BM_CopyFolderWithCp(benchmark::State& state)
{
    TempFolder temp;
    R4000System* sys = systemWithFolder(state, temp);
    if (!sys)
        return;
    PosixFileOps files;
    const std::string source = temp.path() + "/source";
    const std::string copy = temp.path() + "/copy";
    std::string error;
    if (!SystemFolder(files, source, sys->systemName()).save(*sys, kStamp, error)) {
        state.SkipWithError(("save failed: " + error).c_str());
        return;
    }
    const std::size_t bytes = bytesOf(SystemFolder::render(*sys, kStamp));
    const std::string command = "cp -r '" + source + "' '" + copy + "'";

    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(copy);
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["MB_written"] = double(bytes) / kMB;
}
BENCHMARK(BM_CopyFolderWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();

// The goals side by side, in one run on one disk: save and reload against copying the folder
// and making the copy durable (cp -r, then sync -f), and load alone against reading the same
// files into memory. "cycle_per_copy" and "load_per_read" are the ratios the goals are set in.
void BM_Goals(benchmark::State& state)
{
    TempFolder temp;
    R4000System* sys = systemWithFolder(state, temp);
    if (!sys)
        return;
    PosixFileOps files;
    const std::string source = SystemFolder::folderFor(temp.path(), sys->systemName());
    const std::string copy = temp.path() + "/copy";
    SystemFolder folder(files, source, sys->systemName());
    std::string error;
    if (!folder.save(*sys, kStamp, error)) {
        state.SkipWithError(("save failed: " + error).c_str());
        return;
    }
    const std::string command = "cp -r '" + source + "' '" + copy + "' && sync -f '" + copy + "'";
    std::vector<std::string> names;
    files.list(source, names);

    double copyMs = 0, cycleMs = 0, readMs = 0, loadMs = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(copy);
        Clock::time_point start = Clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
        copyMs += msBetween(start, Clock::now());

        start = Clock::now();
        R4000System loaded;
        if (!folder.save(*sys, kStamp, error) || !folder.load(loaded, error)) {
            state.SkipWithError(("save or load failed: " + error).c_str());
            return;
        }
        cycleMs += msBetween(start, Clock::now());

        start = Clock::now();
        std::size_t bytes = 0;
        for (const std::string& name : names) {
            std::string text;
            files.readFile(source + "/" + name, text);
            bytes += text.size();
        }
        benchmark::DoNotOptimize(bytes);
        readMs += msBetween(start, Clock::now());

        start = Clock::now();
        R4000System reloaded;
        if (!folder.load(reloaded, error)) {
            state.SkipWithError(("load failed: " + error).c_str());
            return;
        }
        loadMs += msBetween(start, Clock::now());
    }
    const double rounds = double(state.iterations());
    state.counters["copy_ms"] = copyMs / rounds;
    state.counters["cycle_ms"] = cycleMs / rounds;
    state.counters["read_ms"] = readMs / rounds;
    state.counters["load_ms"] = loadMs / rounds;
    state.counters["cycle_per_copy"] = cycleMs / copyMs;
    state.counters["load_per_read"] = loadMs / readMs;
}
BENCHMARK(BM_Goals)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
