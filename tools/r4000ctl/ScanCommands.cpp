#include "ScanCommands.h"

#include "CodePageText.h"
#include "CommandError.h"
#include "FileOps.h"
#include "Locale.h"
#include "ScanCellRules.h"
#include "ScanCsv.h"
#include "ScanSession.h"
#include "TextRules.h"

#include <QThread>
#include <cstdio>
#include <ostream>

namespace {

constexpr const char* kNoInterface =
    "no usable network interface: the units are found by broadcast from an interface that is "
    "up and has an IPv4 address (loopback does not count)";

void printUnits(std::ostream& out, const Scan& scan, const Locale& locale)
{
    char line[512];
    std::snprintf(line, sizeof line, "%-17s  %-10s  %-15s  %-15s  %-15s  %-8s  %s\n", "MAC Address",
                  "Model", "IP Address", "Subnet mask", "Default gateway", "Web port", "Name");
    out << line;
    for (const auto& [mac, unit] : scan.units()) {
        // What units report is shown with its control characters escaped.
        std::snprintf(
            line, sizeof line, "%-17s  %-10s  %-15s  %-15s  %-15s  %-8u  %s\n", mac.c_str(),
            TextRules::escapeControls(unit.modelName).c_str(), unit.ipAddress.toText().c_str(),
            unit.subnetMask.toText().c_str(), unit.gateway.toText().c_str(), unsigned(unit.webPort),
            TextRules::escapeControls(CodePageText::toUtf8(unit.unitName, locale.codePage()))
                .c_str());
        out << line;
    }
    out << scan.count() << " unit(s) found.\n";
}

// Refuses the value with what the scan list says of it.
void check(int messageId)
{
    if (messageId == 0)
        return;
    const char* text = "Enter using up to 8 characters.";
    switch (messageId) {
    case ScanCellRules::kInvalidIpAddress:
        text = "Invalid IP address.";
        break;
    case ScanCellRules::kInvalidSubnetMask:
        text = "Invalid subnet mask.";
        break;
    case ScanCellRules::kInvalidGateway:
        text = "Invalid default gateway.";
        break;
    case ScanCellRules::kEnterNumber:
        text = "Enter number. (1-65535)";
        break;
    }
    throw CommandError(std::string("netset: ") + text);
}

} // namespace

ScanCommands::ScanCommands(FileOps& files, Locale locale, std::ostream& out, std::ostream& err)
    : files_(files), locale_(std::move(locale)), out_(out), err_(err)
{
}

int ScanCommands::scan(const std::optional<std::string>& csvPath)
{
    ScanSession session;
    if (!session.scan())
        throw CommandError(std::string("scan: ") + kNoInterface);
    printUnits(out_, session.table(), locale_);
    if (csvPath) {
        if (!files_.writeFile(*csvPath, ScanCsv::write(session.table().csvRows())))
            throw CommandError("scan: cannot write " + *csvPath);
    }
    return 0;
}

int ScanCommands::netset(const std::string& mac, const std::string& ip, const std::string& mask,
                         const std::string& gateway, const std::optional<std::string>& name,
                         const std::optional<std::string>& port, long restartWaitMs)
{
    MacAddress target{};
    if (!ScanElement::macFromText(mac, target))
        throw CommandError("netset: '" + mac + "' is no MAC address (like 00-1A-2B-3C-4D-5E)");
    // The mask as the mask dialog takes it, then each value by the rule of its cell in the
    // scan list.
    Ipv4Address newMask;
    if (!Ipv4Address::fromText(mask, newMask) || !newMask.isValidMask())
        check(ScanCellRules::kInvalidSubnetMask);
    Ipv4Address newIp;
    check(ScanCellRules::ipAddress(ip, newMask, newIp));
    Ipv4Address newGateway;
    check(ScanCellRules::gateway(gateway, newMask, newGateway));
    unsigned newPort = 0;
    if (port)
        check(ScanCellRules::webPort(*port, newPort));
    std::string newName;
    if (name) {
        std::string bytes;
        check(CodePageText::fromUtf8(*name, locale_.codePage(), bytes)
                  ? ScanCellRules::unitName(bytes, locale_, newName)
                  : ScanCellRules::kEnterUpTo8);
    }

    ScanSession session;
    if (!session.scan())
        throw CommandError(std::string("netset: ") + kNoInterface);
    const ScanElement* found = session.table().find(ScanElement::macText(target));
    if (!found) {
        err_ << "r4000ctl: netset: no unit " << ScanElement::macText(target) << " answered\n";
        return 1;
    }
    ScanElement element = *found;
    element.ipAddress = newIp;
    element.subnetMask = newMask;
    element.gateway = newGateway;
    if (name)
        element.unitName = newName;
    if (port)
        element.webPort = std::uint16_t(newPort);

    if (!session.write(element)) {
        err_ << "r4000ctl: netset: the unit did not acknowledge the new settings\n";
        return 1;
    }
    if (!session.reset(element)) {
        err_ << "r4000ctl: netset: the unit did not acknowledge the reset\n";
        return 1;
    }
    out_ << "written; the unit restarts\n";
    out_.flush();
    QThread::msleep(static_cast<unsigned long>(restartWaitMs));
    session.scan();
    const ScanElement* back = session.table().find(ScanElement::macText(target));
    if (!back) {
        err_ << "r4000ctl: netset: the unit did not come back after its restart\n";
        return 1;
    }
    printUnits(out_, session.table(), locale_);
    const bool taken = back->ipAddress == element.ipAddress &&
                       back->subnetMask == element.subnetMask && back->gateway == element.gateway &&
                       back->webPort == element.webPort && back->unitName == element.unitName;
    if (!taken) {
        err_ << "r4000ctl: netset: the unit came back with other settings\n";
        return 1;
    }
    return 0;
}
