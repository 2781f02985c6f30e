#pragma once

#include <functional>
#include <string>
#include <vector>

// The user-interface language at start-up: the whole command line with every "-" removed
// ("-ko" gives "ko"), else the first two letters of the user's locale (the first of LC_ALL,
// LC_MESSAGES and LANG that is set).
namespace LanguageChoice {

using Environment = std::function<const char*(const char*)>;

std::string requested(const std::vector<std::string>& arguments, const Environment& environment);

// The language in effect: the requested one when its library loads from directory (or
// through the program's library path), else "en".
std::string activate(const std::string& requested, const std::string& directory = {});

} // namespace LanguageChoice
