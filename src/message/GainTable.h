#pragma once

#include <cstddef>
#include <cstdint>

// The gain steps shared by message saving and playback: -15 to +15 dB in steps of 3 dB.
namespace GainTable {

// Factor of a step in dB; false for any value that is not in the table.
bool Factor(int dB, double& factor);

// Multiplies each sample by the factor, clamps to the 16-bit range and truncates toward zero.
void Apply(std::int16_t* samples, std::size_t count, double factor);

// The same on PCM bytes, `count` samples of 16 bits as the tracks hold them.
void ApplyBytes(std::uint8_t* pcm, std::size_t count, double factor);

// Applies the steps (dB) one after the other to consecutive blocks of `blockSamples` samples
// from `pcm` on: a fade.
void Fade(std::uint8_t* pcm, std::size_t blockSamples, const int* steps, std::size_t stepCount);

} // namespace GainTable
