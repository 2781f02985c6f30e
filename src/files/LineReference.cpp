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

Station* station(const System& system, std::string_view text)
{
    int unit = 0, line = 0;
    return split(text, unit, line) ? system.stationAt(unit, line) : nullptr;
}

AudioIn* audioIn(const System& system, std::string_view text)
{
    int unit = 0, line = 0;
    return split(text, unit, line) ? system.audioInAt(unit, line) : nullptr;
}

AudioOut* audioOut(const System& system, std::string_view text)
{
    int unit = 0, line = 0;
    return split(text, unit, line) ? system.audioOutAt(unit, line) : nullptr;
}

ContactOut* contactOut(const System& system, std::string_view text)
{
    int unit = 0, line = 0;
    return split(text, unit, line) ? system.contactOutAt(unit, line) : nullptr;
}

} // namespace LineReference
