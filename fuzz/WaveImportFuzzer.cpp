// A WAVE file offered for import: it must be refused with one of the import codes, or give
// at most 20 s of 16-bit wideband sound and a narrowband track of every second sample (an
// odd last sample has no partner and is not kept).
#include "CR4700RecordData.h"
#include "MessageError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/r4000-fuzz-wave-" + std::to_string(::getpid()) + ".wav";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        return 0;
    }

    CR4700RecordData record;
    const bool imported = record.ImportWave(path);
    std::remove(path.c_str());
    if (!imported) {
        const int error = record.LastError();
        if (error != MessageError::NotWave && error != MessageError::BadSampleRate &&
            error != MessageError::BadSampleWidth)
            __builtin_trap();
        return 0;
    }
    const std::size_t wide = record.WidebandLength();
    if (wide == 0 || wide > CR4700RecordData::kMaxImportSize || wide % 2 != 0 ||
        record.NarrowbandLength() != wide / 4 * 2 ||
        record.Name() != "r4000-fuzz-wave-" + std::to_string(::getpid()))
        __builtin_trap();
    return 0;
}
