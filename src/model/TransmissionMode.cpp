#include "TransmissionMode.h"

namespace TransmissionMode {
namespace {

struct Stream {
    int fs;
    int len;
    int stepTenths; // kbit/s in tenths, so that 49.5 stays exact
};

constexpr Stream kStreams[kModeCount] = {{16, 64, 1300}, {8, 32, 980}, {8, 128, 495}};

} // namespace

Mode of(int samplingFrequency, int packetLength)
{
    for (int mode = 0; mode < kModeCount; ++mode)
        if (kStreams[mode].fs == samplingFrequency && kStreams[mode].len == packetLength)
            return Mode(mode);
    return HighQuality;
}

int samplingFrequency(Mode mode)
{
    return kStreams[mode].fs;
}

int packetLength(Mode mode)
{
    return kStreams[mode].len;
}

std::vector<std::string> rates(Mode mode)
{
    std::vector<std::string> list;
    list.reserve(kRateCount);
    for (int k = 1; k <= kRateCount; ++k) {
        const int tenths = k * kStreams[mode].stepTenths;
        std::string text = std::to_string(tenths / 10);
        if (tenths % 10 != 0)
            text += "." + std::to_string(tenths % 10);
        list.push_back(std::move(text));
    }
    return list;
}

int rateIndex(Mode mode, std::string_view range)
{
    const std::vector<std::string> list = rates(mode);
    for (int i = 0; i < int(list.size()); ++i)
        if (list[std::size_t(i)] == range)
            return i;
    return -1;
}

} // namespace TransmissionMode
