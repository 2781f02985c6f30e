#pragma once

#include <string>
#include <string_view>
#include <vector>

// How an exchange sends its voice: the sampling frequency and packet length pair it is set
// to, and the 23 bit rates the line it sends over may offer in that mode. The exchange keeps
// the chosen rate as text ("range").
namespace TransmissionMode {

enum Mode { HighQuality, Standard, BandwidthSaving };

constexpr int kModeCount = 3;
constexpr int kRateCount = 23;

// The mode of a sampling frequency and packet length; a pair no mode uses counts as high
// quality, the default.
Mode of(int samplingFrequency, int packetLength);
int samplingFrequency(Mode mode);
int packetLength(Mode mode);

// k times the mode's step (130, 98 or 49.5) for k = 1..23, without trailing zeros.
std::vector<std::string> rates(Mode mode);
// The position of range in the mode's list; -1 when it is not there.
int rateIndex(Mode mode, std::string_view range);

} // namespace TransmissionMode
