#pragma once

#include <cstddef>
#include <cstdint>

// The gain steps shared by message saving and playback: -15 to +15 dB in steps of 3 dB.
namespace GainTable {

// Factor of a step in dB; false for any value that is not in the table.
bool Factor(int dB, double& factor);

// Multiplies each sample by the factor, clamps to the 16-bit range and truncates toward zero.
void Apply(std::int16_t* samples, std::size_t count, double factor);

} // namespace GainTable
