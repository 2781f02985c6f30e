#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class Locale;

// Small checks on user text shared by the model's setters.
namespace TextRules {

// ASCII control characters (0..31 and 127).
bool isControl(unsigned char byte);

// A short label typed by the user (exchange, station, zone name): at most maxBytes bytes,
// no control character and no double-byte character of the code page.
bool isShortLabel(std::string_view text, std::size_t maxBytes, const Locale& locale);

// Non-empty and decimal digits only.
bool isDigits(std::string_view text);

// The value of the leading decimal digits (0 when there are none); saturates instead of
// overflowing.
unsigned long leadingNumber(std::string_view text);

// Parses the whole text as a decimal number no larger than max.
bool parseNumber(std::string_view text, unsigned long max, unsigned long& out);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Text from outside (a unit's name or model) made safe to show or write: every control
// character as "\xNN", so none can move a terminal's cursor or start a new line in a file.
// Text without one comes back unchanged.
std::string escapeControls(std::string_view text);

} // namespace TextRules
