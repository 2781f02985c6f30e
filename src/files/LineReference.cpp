#include "LineReference.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Station.h"
#include "System.h"
#include "TextRules.h"

namespace LineReference {
namespace {

std::string format(int unit, int line)
{
    return std::to_string(unit) + ":" + std::to_string(line);
}

int unitOf(const ExchangeImpl& record)
{
    return record.number();
}

} // namespace

std::string of(const Station* station)
{
    return station ? format(unitOf(station->settings().owner()), station->id()) : std::string();
}

std::string of(const AudioIn* input)
{
    return input ? format(unitOf(input->owner()), input->number()) : std::string();
}

std::string of(const AudioOut* output)
{
    return output ? format(unitOf(output->owner()), output->number()) : std::string();
}

std::string of(const ContactOut* output)
{
    return output ? format(unitOf(output->owner()), output->number()) : std::string();
}

bool split(std::string_view text, int& unit, int& line)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    unsigned long x = 0, n = 0;
    if (!TextRules::parseNumber(text.substr(0, colon), 0xffff, x) ||
        !TextRules::parseNumber(text.substr(colon + 1), 0xffff, n))
        return false;
    unit = int(x);
    line = int(n);
    return true;
}

namespace {

// The line that lookup(unit, line) gives for the text's numbers, or null.
template <class Line>
Line* resolve(const System& system, std::string_view text, Line* (System::*lookup)(int, int) const)
{
    int unit = 0, line = 0;
    return split(text, unit, line) ? (system.*lookup)(unit, line) : nullptr;
}

} // namespace

Station* station(const System& system, std::string_view text)
{
    return resolve(system, text, &System::stationAt);
}

AudioIn* audioIn(const System& system, std::string_view text)
{
    return resolve(system, text, &System::audioInAt);
}

AudioOut* audioOut(const System& system, std::string_view text)
{
    return resolve(system, text, &System::audioOutAt);
}

ContactOut* contactOut(const System& system, std::string_view text)
{
    return resolve(system, text, &System::contactOutAt);
}

} // namespace LineReference
