#include "UnitState.h"

#include "FileIo.h"
#include "PasswordCodec.h"
#include "SettingsText.h"
#include "TextLines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

// Numbered files "NNN<suffix>" of a folder, in order.
std::vector<std::string> numbered(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
            std::all_of(name.begin(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                        [](char c) { return c >= '0' && c <= '9'; }))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

unsigned nextNumber(const std::vector<std::string>& names)
{
    return names.empty()
               ? 1u
               : static_cast<unsigned>(std::strtoul(names.back().c_str(), nullptr, 10)) + 1;
}

// Writes bytes as the next numbered file of the folder; digits: how many the number takes.
bool storeNumbered(const std::string& dir, int digits, const std::string& suffix,
                   std::string_view bytes)
{
    char number[16];
    std::snprintf(number, sizeof number, "%0*u", digits, nextNumber(numbered(dir, suffix)));
    return FileIo::writeFile(dir + "/" + number + suffix, bytes);
}

} // namespace

UnitState::UnitState(std::string dir) : dir_(std::move(dir)) {}

bool UnitState::open(const std::string& initialName, const std::string& initialPassword,
                     const Network& initial, std::string& error)
{
    network = initial;
    if (!FileIo::makeDirs(dir_) || !FileIo::makeDirs(dir_ + "/pending") ||
        !FileIo::makeDirs(dir_ + "/messages")) {
        error = "cannot create the state folder " + dir_;
        return false;
    }
    std::string text;
    if (!FileIo::readFile(dir_ + "/state.txt", text)) {
        name = initialName;
        password = initialPassword;
        maintenance = kFactoryMaintenance;
        if (!save()) {
            error = "cannot write " + dir_ + "/state.txt";
            return false;
        }
        return true;
    }
    TextLines::forEach(text, [this](std::string_view line) {
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return;
        const std::string key(line.substr(0, eq));
        const std::string value(line.substr(eq + 1));
        if (key == "name")
            name = value;
        else if (key == "password")
            password = value;
        else if (key == "maintenance")
            maintenance = value;
        else if (key == "clock_yy")
            clockYy = value;
        else if (key == "clock_hh")
            clockHh = value;
        else if (key == "clock_mm")
            clockMm = value;
        else if (key == "firmware")
            firmware = value;
        else if (key == "resets")
            resets = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
        else if (key == "restarting")
            restarting = value == "1";
        else if (!value.empty())
            readNetwork(key, value);
    });
    if (restarting) {
        applyPending();
        applyWritten();
        restarting = false;
    }
    if (!save()) {
        error = "cannot write " + dir_ + "/state.txt";
        return false;
    }
    return true;
}

void UnitState::readNetwork(const std::string& key, const std::string& value)
{
    const bool waiting = key.rfind("written_", 0) == 0;
    Network& target = waiting ? written : network;
    const std::string field = waiting ? key.substr(8) : key;
    if (field == "ip")
        target.ip = value;
    else if (field == "mask")
        target.mask = value;
    else if (field == "gateway")
        target.gateway = value;
    else if (field == "webport")
        target.webPort = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
    else if (field == "unitname")
        target.unitName = value;
    else
        return;
    hasWritten = hasWritten || waiting;
}

bool UnitState::save() const
{
    std::string text = "name=" + name + "\npassword=" + password + "\nmaintenance=" + maintenance +
                       "\nclock_yy=" + clockYy + "\nclock_hh=" + clockHh + "\nclock_mm=" + clockMm +
                       "\nfirmware=" + firmware + "\nresets=" + std::to_string(resets) +
                       "\nrestarting=" + (restarting ? "1" : "0") + "\nmac=" + network.mac +
                       "\nip=" + network.ip + "\nmask=" + network.mask +
                       "\ngateway=" + network.gateway +
                       "\nwebport=" + std::to_string(network.webPort) + "\nmodel=" + network.model +
                       "\nunitname=" + network.unitName + "\n";
    if (hasWritten)
        text += "written_ip=" + written.ip + "\nwritten_mask=" + written.mask +
                "\nwritten_gateway=" + written.gateway +
                "\nwritten_webport=" + std::to_string(written.webPort) +
                "\nwritten_unitname=" + written.unitName + "\n";
    return FileIo::writeFile(dir_ + "/state.txt", text);
}

void UnitState::applyWritten()
{
    if (!hasWritten)
        return;
    network.ip = written.ip;
    network.mask = written.mask;
    network.gateway = written.gateway;
    network.webPort = written.webPort;
    network.unitName = written.unitName;
    hasWritten = false;
    written = Network();
}

std::string UnitState::settingsFile() const
{
    std::string bytes;
    if (FileIo::readFile(dir_ + "/settings.cfg", bytes))
        return bytes;
    return SettingsText::minimal(name, PasswordCodec::encode(password, name), maintenance);
}

bool UnitState::addPending(std::string_view file)
{
    return storeNumbered(dir_ + "/pending", 6, ".cfg", file);
}

void UnitState::applyPending()
{
    const std::string dir = dir_ + "/pending";
    for (const std::string& fileName : numbered(dir, ".cfg")) {
        std::string upload;
        if (FileIo::readFile(dir + "/" + fileName, upload))
            apply(upload);
        std::error_code error;
        std::filesystem::remove(dir + "/" + fileName, error);
    }
}

void UnitState::apply(std::string_view upload)
{
    const SettingsText file(upload);
    const std::string settingsPath = dir_ + "/settings.cfg";
    std::string current;
    if (file.isPartial() && FileIo::readFile(settingsPath, current)) {
        SettingsText merged(current);
        merged.merge(file);
        FileIo::writeFile(settingsPath, merged.text());
    } else if (!file.isPartial()) {
        FileIo::writeFile(settingsPath, upload);
    }

    std::string newName = name;
    file.value("system", "system_name", newName);
    std::string stored;
    if (file.value("system", "passwd", stored)) {
        std::string plain;
        if (PasswordCodec::decode(stored, newName, plain)) {
            name = newName;
            password = plain;
        } else {
            std::cerr << "r4000-unitsim: " << dir_ << ": passwd of the uploaded settings does "
                      << "not decode under '" << newName << "'; credentials kept\n";
        }
    } else {
        name = newName;
    }
    file.value("system", "sta_passwd", maintenance);
}

bool UnitState::storeFirmware(std::string_view image)
{
    return FileIo::writeFile(dir_ + "/firmware.bin", image);
}

bool UnitState::storeMessage(std::string_view bytes)
{
    return storeNumbered(dir_ + "/messages", 3, ".pmf", bytes);
}
