#include "LanguageLibrary.h"

#include <dlfcn.h>

namespace LanguageLibrary {

std::string fileName(std::string_view code)
{
    std::string name = "R4000res.so";
    name.insert(8, "_" + std::string(code));
    return name;
}

bool load(std::string_view code, const std::string& directory)
{
    // A code that could name a file elsewhere is no language.
    if (code.empty() || code.find('/') != std::string_view::npos)
        return false;
    const std::string path = directory.empty() ? fileName(code) : directory + "/" + fileName(code);
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL) != nullptr;
}

} // namespace LanguageLibrary
