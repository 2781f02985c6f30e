#pragma once

#include <string>
#include <string_view>

class AudioIn;
class AudioOut;
class ContactOut;
class Station;
class System;

// The "X:n" form by which settings files name a station, audio line or contact of any unit:
// the unit number, a colon and the line number.
namespace LineReference {

std::string of(const Station* station);
std::string of(const AudioIn* input);
std::string of(const AudioOut* output);
std::string of(const ContactOut* output);

// Splits "X:n"; false for an empty text, "NONE", no colon or a part that is no number.
bool split(std::string_view text, int& unit, int& line);

// The line named by text, taken from the unit's slot whatever its model; null when the
// text or the unit does not resolve.
Station* station(const System& system, std::string_view text);
AudioIn* audioIn(const System& system, std::string_view text);
AudioOut* audioOut(const System& system, std::string_view text);
ContactOut* contactOut(const System& system, std::string_view text);

} // namespace LineReference
