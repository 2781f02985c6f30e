#pragma once

#include <string>
#include <string_view>

// The resource library of a language, "R4000res_<code>.so": resources only. Loading it
// registers its resources with the program; it stays loaded for the life of the process.
namespace LanguageLibrary {

// The program's library name with "_" and the code put in after its eighth character.
std::string fileName(std::string_view code);

// Loads the library of code from directory, or by name through the program's library path
// when directory is empty. False when it cannot be loaded.
bool load(std::string_view code, const std::string& directory = {});

} // namespace LanguageLibrary
