#include "SystemFile.h"

#include "System.h"
#include "TextLines.h"
#include "TextRules.h"

namespace {

using TextRules::equalsIgnoreCase;

// Calls apply(key, value) for every line with "=", split at the first one, no trimming.
template <class Apply> void eachKeyLine(std::string_view text, Apply apply)
{
    TextLines::forEach(text, [&](std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            apply(line.substr(0, equals), line.substr(equals + 1));
    });
}

// The value of the first line with key.
bool firstValue(std::string_view text, std::string_view key, std::string& value)
{
    bool found = false;
    eachKeyLine(text, [&](std::string_view lineKey, std::string_view lineValue) {
        if (!found && equalsIgnoreCase(lineKey, key)) {
            value = lineValue;
            found = true;
        }
    });
    return found;
}

} // namespace

std::string SystemFile::write(const System& system)
{
    std::string out;
    auto line = [&](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    auto keyLine = [&](std::string_view key, const std::string& value) {
        line(std::string(key) + "=" + value);
    };
    line("[config]");
    keyLine("system_name", system.systemName());
    keyLine("passwd", system.password());
    keyLine("ex_no", std::to_string(system.registeredCount()));
    keyLine("sta_no_digits", std::to_string(system.stationDigits()));
    keyLine("multicast_start_port", std::to_string(system.multicastPort()));
    line("[scan]");
    keyLine("start_ipaddr", system.scanStartAddressText());
    keyLine("assign_no", std::to_string(system.scanAssignCount()));
    return out;
}

void SystemFile::read(System& system, std::string_view text)
{
    eachKeyLine(text, [&](std::string_view key, std::string_view value) {
        unsigned long number = 0;
        if (equalsIgnoreCase(key, "system_name")) {
            system.setSystemName(value);
        } else if (equalsIgnoreCase(key, "passwd")) {
            system.setPassword(value);
        } else if (equalsIgnoreCase(key, "sta_no_digits")) {
            if (TextRules::parseNumber(value, 0xff, number))
                system.setStationDigits(int(number));
        } else if (equalsIgnoreCase(key, "multicast_start_port")) {
            if (TextRules::parseNumber(value, 0xffff, number))
                system.setMulticastPort(int(number));
        } else if (equalsIgnoreCase(key, "start_ipaddr")) {
            Ipv4Address address;
            if (Ipv4Address::fromText(value, address))
                system.setScanStartAddress(address);
        } else if (equalsIgnoreCase(key, "assign_no")) {
            if (TextRules::parseNumber(value, 0xffffffffu, number))
                system.setScanAssignCount(std::uint32_t(number));
        } else if (equalsIgnoreCase(key, "siren")) {
            if (TextRules::parseNumber(value, 0xff, number) && System::isSiren(int(number)))
                system.setSiren(int(number));
        }
    });
}

bool SystemFile::storedPassword(std::string_view text, std::string& stored)
{
    return firstValue(text, "passwd", stored);
}

bool SystemFile::systemName(std::string_view text, std::string& name)
{
    return firstValue(text, "system_name", name);
}

bool SystemFile::namesSystem(std::string_view text)
{
    return text.find("system_name") != std::string_view::npos;
}
