#include "ScanCommands.h"

#include "CodePageText.h"
#include "CommandError.h"
#include "Exchange.h"
#include "FileOps.h"
#include "LocalAddresses.h"
#include "Locale.h"
#include "R4000System.h"
#include "ScanCellRules.h"
#include "ScanCsv.h"
#include "ScanSession.h"
#include "SiteSurvey.h"
#include "SystemStore.h"
#include "TerminalColumns.h"
#include "TextRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>

namespace {

constexpr const char* kNoInterface =
    "no usable network interface: the units are found by broadcast from an interface that is "
    "up and has an IPv4 address (loopback does not count)";

// A scan list of the most units a site can answer with is far smaller.
constexpr std::size_t kLargestScanList = 4 * 1024 * 1024;

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

// A unit as it reported itself, for --json; its name as the terminal shows it.
QJsonObject unitObject(const ScanElement& unit, const Locale& locale)
{
    return QJsonObject{{"mac", QString::fromStdString(ScanElement::macText(unit.macAddress))},
                       {"model", QString::fromStdString(TextRules::escapeControls(unit.modelName))},
                       {"address", QString::fromStdString(unit.ipAddress.toText())},
                       {"mask", QString::fromStdString(unit.subnetMask.toText())},
                       {"gateway", QString::fromStdString(unit.gateway.toText())},
                       {"port", int(unit.webPort)},
                       {"name", QString::fromStdString(TextRules::escapeControls(
                                    CodePageText::toUtf8(unit.unitName, locale.codePage())))},
                       {"interface", QString::fromStdString(unit.localAddress)}};
}

// Refuses the value with what the scan list says of it; where: the command, and the line
// of a file.
void check(int messageId, const std::string& where = "netset: ")
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
    throw CommandError(where + text);
}

// Whether the unit reports the settings it was given.
bool sameNetwork(const ScanElement& a, const ScanElement& b)
{
    return a.ipAddress == b.ipAddress && a.subnetMask == b.subnetMask && a.gateway == b.gateway &&
           a.webPort == b.webPort && a.unitName == b.unitName;
}

} // namespace

ScanCommands::ScanCommands(FileOps& files, Locale locale, std::vector<std::string> interfaces,
                           std::ostream& out, std::ostream& err)
    : files_(files), locale_(std::move(locale)), interfaces_(std::move(interfaces)), out_(out),
      err_(err)
{
}

Scan::Options ScanCommands::scanOptions(const std::string& command) const
{
    Scan::Options options;
    options.allAtOnce = true;
    if (interfaces_.empty())
        return options;
    const std::vector<LocalAddresses::Interface> present = LocalAddresses::interfaces();
    std::vector<std::string> addresses;
    for (const std::string& name : interfaces_) {
        const auto interface =
            std::find_if(present.begin(), present.end(),
                         [&name](const LocalAddresses::Interface& i) { return i.name == name; });
        if (interface == present.end()) {
            std::string usable;
            for (const LocalAddresses::Interface& i : present)
                usable += (usable.empty() ? "" : ", ") + i.name;
            throw CommandError(command + ": no interface '" + name +
                               "' that is up with an IPv4 address (usable: " +
                               (usable.empty() ? "none" : usable) + ")");
        }
        if (std::find(addresses.begin(), addresses.end(), interface->address) == addresses.end())
            addresses.push_back(interface->address);
    }
    options.localAddresses = [addresses] { return addresses; };
    return options;
}

int ScanCommands::scan(const std::optional<std::string>& csvPath, bool json)
{
    ScanSession session(scanOptions("scan"));
    if (!session.scan())
        throw CommandError(std::string("scan: ") + kNoInterface);
    if (json) {
        QJsonArray units;
        for (const auto& [mac, unit] : session.table().units())
            units.append(unitObject(unit, locale_));
        out_ << QJsonDocument(QJsonObject{{"units", units}}).toJson().toStdString();
    } else {
        printUnits(out_, session.table(), locale_);
    }
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

    ScanSession session(scanOptions("netset"));
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
    if (!sameNetwork(*back, element)) {
        err_ << "r4000ctl: netset: the unit came back with other settings\n";
        return 1;
    }
    return 0;
}

int ScanCommands::survey(const SystemStore& store, const std::string& name, bool json)
{
    R4000System system(store.locale());
    store.load(name, system);
    ScanSession session(scanOptions("survey"));
    if (!session.scan())
        throw CommandError(std::string("survey: ") + kNoInterface);
    const SiteSurvey survey(system, session.table().units());
    const auto unitName = [this](const ScanElement& unit) {
        return TextRules::escapeControls(CodePageText::toUtf8(unit.unitName, locale_.codePage()));
    };

    if (json) {
        QJsonArray units;
        for (const SiteSurvey::UnitResult& result : survey.units()) {
            const Exchange& unit = *system.equipment(result.number);
            QJsonObject entry{
                {"number", result.number},
                {"name", QString::fromStdString(store.toTerminal(unit.exchangeName()))},
                {"model", QString::fromStdString(std::string(unit.modelName()))},
                {"address", QString::fromStdString(unit.ipAddressText())},
                {"status", SiteSurvey::key(result.status)}};
            if (result.status != SiteSurvey::Status::Missing)
                entry.insert("found", unitObject(result.found, locale_));
            units.append(entry);
        }
        QJsonArray unknown;
        for (const ScanElement& unit : survey.unknown())
            unknown.append(unitObject(unit, locale_));
        QJsonArray shared;
        for (const SiteSurvey::SharedAddress& address : survey.sharedAddresses()) {
            QJsonArray macs;
            for (const std::string& mac : address.macs)
                macs.append(QString::fromStdString(mac));
            shared.append(
                QJsonObject{{"address", QString::fromStdString(address.address)}, {"macs", macs}});
        }
        out_ << QJsonDocument(
                    QJsonObject{{"system", QString::fromStdString(store.toTerminal(name))},
                                {"units", units},
                                {"notInSystem", unknown},
                                {"sharedAddresses", shared},
                                {"differs", survey.differs()}})
                    .toJson()
                    .toStdString();
        return survey.differs() ? 1 : 0;
    }

    std::map<SiteSurvey::Status, int> counts;
    for (const SiteSurvey::UnitResult& result : survey.units()) {
        ++counts[result.status];
        const Exchange& unit = *system.equipment(result.number);
        const ScanElement& found = result.found;
        const std::string mac = ScanElement::macText(found.macAddress);
        char number[8];
        std::snprintf(number, sizeof number, "%2d", result.number);
        out_ << number << "  " << TerminalColumns::padded(store.toTerminal(unit.exchangeName()), 8)
             << "  " << TerminalColumns::padded(unit.ipAddressText(), 15) << "  ";
        switch (result.status) {
        case SiteSurvey::Status::Found:
            out_ << "found (" << mac << ")";
            break;
        case SiteSurvey::Status::ModelDiffers:
            out_ << "model differs: " << unit.modelName() << " in the system, "
                 << TextRules::escapeControls(found.modelName) << " answered (" << mac << ")";
            break;
        case SiteSurvey::Status::Elsewhere:
            out_ << "at another address: " << found.ipAddress.toText() << " (" << mac
                 << "), found by its name";
            break;
        case SiteSurvey::Status::Missing:
            out_ << "missing";
            break;
        }
        out_ << '\n';
    }
    if (!survey.unknown().empty()) {
        out_ << "not in the system:\n";
        for (const ScanElement& unit : survey.unknown())
            out_ << "    " << ScanElement::macText(unit.macAddress) << "  "
                 << TerminalColumns::padded(TextRules::escapeControls(unit.modelName), 10) << "  "
                 << TerminalColumns::padded(unit.ipAddress.toText(), 15) << "  " << unitName(unit)
                 << '\n';
    }
    if (!survey.sharedAddresses().empty()) {
        out_ << "one address, more than one unit:\n";
        for (const SiteSurvey::SharedAddress& address : survey.sharedAddresses()) {
            out_ << "    " << address.address << ":";
            for (std::size_t i = 0; i < address.macs.size(); ++i)
                out_ << (i ? ", " : " ") << address.macs[i];
            out_ << '\n';
        }
    }
    // The counts there are, found first.
    std::string recap = std::to_string(survey.units().size()) +
                        " units: " + std::to_string(counts[SiteSurvey::Status::Found]) + " found";
    const std::pair<SiteSurvey::Status, const char*> kinds[] = {
        {SiteSurvey::Status::ModelDiffers, " of another model"},
        {SiteSurvey::Status::Elsewhere, " at another address"},
        {SiteSurvey::Status::Missing, " missing"},
    };
    for (const auto& [status, words] : kinds) {
        if (counts[status])
            recap += ", " + std::to_string(counts[status]) + words;
    }
    if (!survey.unknown().empty())
        recap += "; " + std::to_string(survey.unknown().size()) + " not in the system";
    if (!survey.sharedAddresses().empty())
        recap += "; " + std::to_string(survey.sharedAddresses().size()) +
                 " address(es) answered by more than one unit";
    out_ << recap << '\n';
    return survey.differs() ? 1 : 0;
}

int ScanCommands::netsetFrom(const std::string& csvPath, long restartWaitMs)
{
    std::string text;
    if (!files_.readFile(csvPath, text, kLargestScanList))
        throw CommandError("netset: cannot read " + csvPath);
    std::vector<ScanCsv::Row> rows;
    std::string error;
    if (!ScanCsv::read(text, rows, error))
        throw CommandError("netset: " + csvPath + ": " + error);

    // Every row is checked before any unit is touched, by the rules of the scan list's cells.
    std::vector<ScanElement> wanted;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScanCsv::Row& row = rows[i];
        const std::string where = "netset: " + csvPath + ": unit " + std::to_string(i + 1) + " (" +
                                  TextRules::escapeControls(row.mac) + "): ";
        ScanElement element;
        if (!ScanElement::macFromText(row.mac, element.macAddress))
            throw CommandError(where + "no MAC address (like 00-1A-2B-3C-4D-5E)");
        for (const ScanElement& other : wanted) {
            if (other.macAddress == element.macAddress)
                throw CommandError(where + "listed twice");
        }
        if (!Ipv4Address::fromText(row.subnetMask, element.subnetMask) ||
            !element.subnetMask.isValidMask())
            check(ScanCellRules::kInvalidSubnetMask, where);
        check(ScanCellRules::ipAddress(row.ipAddress, element.subnetMask, element.ipAddress),
              where);
        for (const ScanElement& other : wanted) {
            if (other.ipAddress == element.ipAddress)
                throw CommandError(where + "its new address " + element.ipAddress.toText() +
                                   " is given to " + ScanElement::macText(other.macAddress) +
                                   " too");
        }
        check(ScanCellRules::gateway(row.gateway, element.subnetMask, element.gateway), where);
        unsigned port = 0;
        check(ScanCellRules::webPort(std::to_string(row.webPort), port), where);
        element.webPort = std::uint16_t(port);
        // The list holds the names in the units' code page, as scan wrote them.
        check(ScanCellRules::unitName(row.name, locale_, element.unitName), where);
        wanted.push_back(std::move(element));
    }

    ScanSession session(scanOptions("netset"));
    if (!session.scan())
        throw CommandError(std::string("netset: ") + kNoInterface);
    std::vector<std::string> results(wanted.size());
    std::vector<std::size_t> written;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const std::string mac = ScanElement::macText(wanted[i].macAddress);
        const ScanElement* found = session.table().find(mac);
        if (!found) {
            results[i] = "failed: did not answer the scan";
            continue;
        }
        ScanElement element = *found;
        element.ipAddress = wanted[i].ipAddress;
        element.subnetMask = wanted[i].subnetMask;
        element.gateway = wanted[i].gateway;
        element.webPort = wanted[i].webPort;
        element.unitName = wanted[i].unitName;
        if (sameNetwork(element, *found))
            results[i] = "unchanged";
        else if (!session.write(element))
            results[i] = "failed: did not acknowledge the new settings";
        else if (!session.reset(element))
            results[i] = "failed: did not acknowledge the reset";
        else
            written.push_back(i);
    }
    if (!written.empty()) {
        err_ << "r4000ctl: netset: " << written.size() << " unit(s) written; waiting for them to "
             << "restart\n"
             << std::flush;
        QThread::msleep(static_cast<unsigned long>(restartWaitMs));
        session.scan();
        for (const std::size_t i : written) {
            const ScanElement* back =
                session.table().find(ScanElement::macText(wanted[i].macAddress));
            results[i] = !back ? "failed: did not come back after its restart"
                         : !sameNetwork(*back, wanted[i]) ? "failed: came back with other settings"
                                                          : "ok";
        }
    }

    std::size_t ok = 0;
    std::size_t unchanged = 0;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        ok += results[i] == "ok";
        unchanged += results[i] == "unchanged";
        out_ << ScanElement::macText(wanted[i].macAddress) << "  "
             << TerminalColumns::padded(wanted[i].ipAddress.toText(), 15) << "  "
             << TerminalColumns::padded(TextRules::escapeControls(CodePageText::toUtf8(
                                            wanted[i].unitName, locale_.codePage())),
                                        8)
             << "  " << results[i] << '\n';
    }
    const std::size_t failed = wanted.size() - ok - unchanged;
    out_ << wanted.size() << (wanted.size() == 1 ? " unit: " : " units: ") << ok << " ok, "
         << unchanged << " unchanged, " << failed << " failed\n";
    return failed ? 1 : 0;
}
