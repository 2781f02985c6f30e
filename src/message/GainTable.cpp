#include "GainTable.h"

#include <cstring>

namespace {

struct Step {
    int dB;
    double factor;
};

constexpr Step kSteps[] = {
    {-15, 0.1778}, {-12, 0.2512}, {-9, 0.3548}, {-6, 0.5012}, {-3, 0.7079}, {0, 1.0},
    {3, 1.413},    {6, 1.995},    {9, 2.813},   {12, 3.981},  {15, 5.623},
};

} // namespace

bool GainTable::Factor(int dB, double& factor)
{
    for (const Step& step : kSteps) {
        if (step.dB == dB) {
            factor = step.factor;
            return true;
        }
    }
    return false;
}

namespace {

std::int16_t Scaled(std::int16_t sample, double factor)
{
    double value = sample * factor;
    if (value > 32767.0)
        value = 32767.0;
    else if (value < -32768.0)
        value = -32768.0;
    return static_cast<std::int16_t>(value); // truncates toward zero
}

} // namespace

void GainTable::Apply(std::int16_t* samples, std::size_t count, double factor)
{
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = Scaled(samples[i], factor);
}

void GainTable::ApplyBytes(std::uint8_t* pcm, std::size_t count, double factor)
{
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        std::memcpy(&sample, pcm + 2 * i, 2);
        sample = Scaled(sample, factor);
        std::memcpy(pcm + 2 * i, &sample, 2);
    }
}

void GainTable::Fade(std::uint8_t* pcm, std::size_t blockSamples, const int* steps,
                     std::size_t stepCount)
{
    for (std::size_t i = 0; i < stepCount; ++i) {
        double factor = 1.0;
        Factor(steps[i], factor);
        ApplyBytes(pcm + 2 * i * blockSamples, blockSamples, factor);
    }
}
