#include "SoundSynth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::size_t sampleAt(double seconds)
{
    return std::size_t(std::lround(seconds * SoundSynth::kRate));
}

} // namespace

std::vector<double>& SoundSynth::reach(double seconds)
{
    if (mix_.size() < sampleAt(seconds))
        mix_.resize(sampleAt(seconds), 0.0);
    return mix_;
}

// A 10 ms fade at both ends, so no tone starts or stops with a click.
double SoundSynth::ramp(double t, double length)
{
    const double fade = 0.01;
    return std::min({1.0, t / fade, (length - t) / fade});
}

void SoundSynth::chime(double at, double hz, double ring)
{
    std::vector<double>& mix = reach(at + ring);
    // A struck bar: the fundamental and two quieter partials, each dying away on its own.
    const struct {
        double ratio, level, decay;
    } partials[] = {{1.0, 1.0, 1.2}, {2.76, 0.35, 3.0}, {5.4, 0.12, 6.0}};
    for (std::size_t i = sampleAt(at); i < sampleAt(at + ring); ++i) {
        const double t = double(i) / kRate - at;
        double v = 0;
        for (const auto& p : partials)
            v += p.level * std::exp(-p.decay * t / ring * 3) * std::sin(kTwoPi * hz * p.ratio * t);
        mix[i] += v * std::min(1.0, t / 0.003);
    }
}

void SoundSynth::sweep(double at, double length, double from, double to, double period)
{
    std::vector<double>& mix = reach(at + length);
    double phase = 0;
    for (std::size_t i = sampleAt(at); i < sampleAt(at + length); ++i) {
        const double t = double(i) / kRate - at;
        const double x = std::fmod(t, period) / period;
        const double hz = from + (to - from) * (x < 0.5 ? 2 * x : 2 - 2 * x);
        phase += kTwoPi * hz / kRate;
        mix[i] += std::sin(phase) * ramp(t, length);
    }
}

void SoundSynth::twoTone(double at, double length, double low, double high, double period)
{
    std::vector<double>& mix = reach(at + length);
    double phase = 0;
    for (std::size_t i = sampleAt(at); i < sampleAt(at + length); ++i) {
        const double t = double(i) / kRate - at;
        phase += kTwoPi * (std::fmod(t, period) < period / 2 ? high : low) / kRate;
        mix[i] += std::sin(phase) * ramp(t, length);
    }
}

void SoundSynth::pulses(double at, double length, double hz, double period)
{
    for (double start = 0; start + period / 2 <= length + 1e-9; start += period) {
        std::vector<double>& mix = reach(at + start + period / 2);
        for (std::size_t i = sampleAt(at + start); i < sampleAt(at + start + period / 2); ++i) {
            const double t = double(i) / kRate - at - start;
            mix[i] += std::sin(kTwoPi * hz * t) * ramp(t, period / 2);
        }
    }
}

void SoundSynth::whoops(double at, double length, double from, double to, double period)
{
    for (double start = 0; start + period <= length + 1e-9; start += period) {
        std::vector<double>& mix = reach(at + start + period);
        double phase = 0;
        for (std::size_t i = sampleAt(at + start); i < sampleAt(at + start + period); ++i) {
            const double t = double(i) / kRate - at - start;
            phase += kTwoPi * (from + (to - from) * t / period) / kRate;
            mix[i] += std::sin(phase) * ramp(t, period);
        }
    }
}

std::vector<std::int16_t> SoundSynth::samples(double peak) const
{
    double loudest = 1e-9;
    for (double v : mix_)
        loudest = std::max(loudest, std::fabs(v));
    std::vector<std::int16_t> out(mix_.size());
    for (std::size_t i = 0; i < mix_.size(); ++i)
        out[i] = std::int16_t(std::lround(mix_[i] / loudest * peak * 32767));
    return out;
}
