#pragma once

#include <string_view>

class Locale;

// Models sold only in some markets: the R-4720MS exists under a Japanese user interface.
namespace ModelAvailability {
bool isAvailable(std::string_view model, const Locale& locale);
}
