// Fuzz target: the system file read into a fresh system and written again; the stored
// password is looked up in the same text, as the password check does.

#include "R4000System.h"
#include "SystemFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    R4000System system;
    SystemFile::read(system, text);
    SystemFile::write(system);
    std::string stored;
    SystemFile::storedPassword(text, stored);
    return 0;
}
