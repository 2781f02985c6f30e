// Fuzz target: one unit settings file merged into a fresh system.
//
// The reader must take any bytes without crashing, and whatever it leaves in the model
// must survive the repairs and the writer: after the merge the units are compacted as a
// load does, the model rules are applied and every file a save would write is rendered.
// The same file is then merged a second time over the result, which exercises replacing
// models and re-adding references in a system that already holds them.

#include "R4000System.h"
#include "SystemFolder.h"
#include "UnitFileReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::string_view kStamp = "2026/01/01 00:00:00";

void mergeAndRender(System& system, std::string_view text)
{
    UnitFileReader::merge(system, text);
    system.compactEquipment();
    system.applyModelRules();
    SystemFolder::render(system, kStamp);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    R4000System system;
    mergeAndRender(system, text);
    mergeAndRender(system, text);
    return 0;
}
