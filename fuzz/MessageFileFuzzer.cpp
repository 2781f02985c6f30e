// A ".pmf" message image as read from disk: it must be refused, or give tracks of four
// times the coded lengths that serialize back to an image of the same size and take a gain
// step.
#include "CR4700RecordData.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CR4700RecordData record;
    if (!record.Parse(data, size))
        return 0;
    if (record.Name().size() > CR4700RecordData::kMaxNameSize ||
        record.WidebandLength() != 4 * record.WidebandCodeLength() ||
        record.NarrowbandLength() != 4 * record.NarrowbandCodeLength() ||
        record.WidebandLength() > CR4700RecordData::kWidebandCapacity ||
        record.NarrowbandLength() > CR4700RecordData::kNarrowbandCapacity)
        __builtin_trap();
    std::vector<std::uint8_t> image(record.GetFileSize());
    std::size_t written = 0;
    if (image.size() != size || !record.Serialize(image.data(), image.size(), written) ||
        written != size)
        __builtin_trap();
    if (!record.ApplyGain(-3))
        __builtin_trap();
    return 0;
}
