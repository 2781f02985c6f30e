// Coding a voice message of the longest kind, 40 seconds, into its ".pmf" image and back:
// what saving and opening a message costs. Both tracks are coded (Serialize) and decoded
// (Parse). Goal: each under 20 ms. "audio_s_per_s": seconds of sound handled per second,
// so the time per second of sound is its inverse.

#include "CR4700RecordData.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kSeconds = 40;

std::vector<std::uint8_t> tone(int rate, int seconds)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(rate) * seconds * 2);
    for (int i = 0; i < rate * seconds; ++i) {
        const auto sample = std::int16_t(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
        bytes.push_back(std::uint8_t(sample & 0xff));
        bytes.push_back(std::uint8_t((sample >> 8) & 0xff));
    }
    return bytes;
}

CR4700RecordData fortySeconds()
{
    CR4700RecordData record;
    const auto wide = tone(16000, kSeconds);
    const auto narrow = tone(8000, kSeconds);
    record.SetSamples("bench", RecordTime{2026, 12, 10, 12, 0, 0}, wide.data(), wide.size(),
                      narrow.data(), narrow.size());
    return record;
}

void serialize(benchmark::State& state)
{
    CR4700RecordData record = fortySeconds();
    std::vector<std::uint8_t> image(record.GetFileSize());
    std::size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(record.Serialize(image.data(), image.size(), size));
    state.counters["audio_s_per_s"] =
        benchmark::Counter(kSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

void parse(benchmark::State& state)
{
    CR4700RecordData record = fortySeconds();
    std::vector<std::uint8_t> image(record.GetFileSize());
    std::size_t size = 0;
    record.Serialize(image.data(), image.size(), size);
    CR4700RecordData read;
    for (auto _ : state)
        benchmark::DoNotOptimize(read.Parse(image.data(), size));
    state.counters["audio_s_per_s"] =
        benchmark::Counter(kSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(serialize)->Unit(benchmark::kMillisecond);
BENCHMARK(parse)->Unit(benchmark::kMillisecond);

} // namespace
