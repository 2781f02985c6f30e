#include "UnitConfig.h"

#include "DiscoveryCodec.h"
#include "PasswordCodec.h"

#include <algorithm>
#include <arpa/inet.h>
#include <charconv>
#include <vector>

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

bool number(std::string_view text, unsigned long max, unsigned& value)
{
    unsigned long n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n > max)
        return false;
    value = static_cast<unsigned>(n);
    return true;
}

// The equipment models a unit can be.
constexpr const char* kModels[] = {"R-4100EX", "R-4120EX", "R-4100MI",
                                   "R-4700MS", "R-4720MS", "R-4760DS"};

// Text for a zero-padded field of the discovery report: not empty, no control characters.
bool fieldText(const std::string& text, std::size_t max)
{
    return !text.empty() && text.size() <= max &&
           std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// The switches: keys without a value, each turning one behaviour on.
constexpr struct {
    const char* key;
    bool UnitConfig::*member;
} kSwitches[] = {
    {"refuse-login", &UnitConfig::refuseLogin},
    {"stall", &UnitConfig::stall},
    {"close-early", &UnitConfig::closeEarly},
    {"no-length", &UnitConfig::noLength},
    {"reset-lower", &UnitConfig::resetLower},
    {"ok-crlf", &UnitConfig::okCrlf},
    {"garbage", &UnitConfig::garbage},
    {"ignore-uploads", &UnitConfig::ignoreUploads},
    {"unreachable", &UnitConfig::unreachable},
    {"udp-silent", &UnitConfig::udpSilent},
    {"udp-duplicate", &UnitConfig::udpDuplicate},
    {"udp-broadcast-reply", &UnitConfig::udpBroadcastReply},
    {"udp-zero-model", &UnitConfig::udpZeroModel},
    {"udp-long-name", &UnitConfig::udpLongName},
    {"no-write-ack", &UnitConfig::noWriteAck},
    {"no-reset-ack", &UnitConfig::noResetAck},
};

// Durations in milliseconds, up to an hour.
constexpr struct {
    const char* key;
    unsigned UnitConfig::*member;
} kDurations[] = {
    {"restart-ms", &UnitConfig::restartMs},
    {"delay-ms", &UnitConfig::delayMs},
    {"udp-restart-ms", &UnitConfig::udpRestartMs},
};

} // namespace

bool UnitConfig::parse(std::string_view description, UnitConfig& config, std::string& error)
{
    config = UnitConfig();
    bool haveAddress = false;
    bool haveDir = false;
    for (std::string_view word : split(description, ',')) {
        if (word.empty())
            continue;
        const std::size_t eq = word.find('=');
        const std::string key(word.substr(0, eq));
        const bool hasValue = eq != std::string_view::npos;
        const std::string value(hasValue ? word.substr(eq + 1) : std::string_view());
        auto bad = [&](const std::string& why) {
            error = "'" + std::string(word) + "': " + why;
            return false;
        };
        auto needValue = [&]() { return hasValue || bad("needs a value"); };
        auto isIpv4 = [&]() {
            in_addr addr{};
            return hasValue && ::inet_pton(AF_INET, value.c_str(), &addr) == 1;
        };
        const auto named = [&](const auto& entry) { return key == entry.key; };

        if (const auto on = std::find_if(std::begin(kSwitches), std::end(kSwitches), named);
            on != std::end(kSwitches)) {
            if (hasValue)
                return bad("a switch takes no value");
            config.*(on->member) = true;
        } else if (const auto time =
                       std::find_if(std::begin(kDurations), std::end(kDurations), named);
                   time != std::end(kDurations)) {
            if (!hasValue || !number(value, 3600000, config.*(time->member)))
                return bad("needs milliseconds");
        } else if (key == "address") {
            if (!isIpv4())
                return bad("not an IPv4 address");
            config.address = value;
            haveAddress = true;
        } else if (key == "port") {
            if (!hasValue || !number(value, 65535, config.port) || config.port == 0)
                return bad("port must be 1..65535");
        } else if (key == "dir") {
            if (!needValue() || value.empty())
                return bad("needs a folder");
            config.dir = value;
            haveDir = true;
        } else if (key == "name") {
            if (!needValue() || value.empty())
                return bad("needs a system name");
            config.name = value;
        } else if (key == "password") {
            if (!needValue())
                return false;
            if (value.size() > PasswordCodec::kMaxPlainLength)
                return bad("a password has at most 15 characters");
            config.password = value;
        } else if (key == "auth") {
            if (value == "basic")
                config.auth = Auth::Basic;
            else if (value == "digest")
                config.auth = Auth::Digest;
            else
                return bad("auth is basic or digest");
        } else if (key == "upload-reply") {
            if (value != "RESET" && value != "OK")
                return bad("upload-reply is RESET or OK");
            config.uploadReply = value;
        } else if (key == "busy") {
            if (!hasValue || !number(value, 1000000, config.busy))
                return bad("needs a count");
        } else if (key == "busy-end") {
            if (value != "OK" && value != "ERROR")
                return bad("busy-end is OK or ERROR");
            config.busyEnd = value;
        } else if (key == "mac") {
            DiscoveryCodec::Mac mac{};
            if (!hasValue || !DiscoveryCodec::parseMac(value, mac))
                return bad("not a MAC address like 00-11-22-33-44-55");
            config.mac = DiscoveryCodec::macText(mac);
        } else if (key == "model") {
            if (std::find(std::begin(kModels), std::end(kModels), value) == std::end(kModels))
                return bad("model is one of R-4100EX, R-4120EX, R-4100MI, R-4700MS, R-4720MS, "
                           "R-4760DS (udp-model= reports any text)");
            config.model = value;
        } else if (key == "unitname") {
            if (!fieldText(value, DiscoveryCodec::kNameSize))
                return bad("a unit name has 1 to 32 bytes and no control characters");
            config.unitName = value;
        } else if (key == "mask" || key == "gateway") {
            if (!isIpv4())
                return bad("not an IPv4 address");
            (key == "mask" ? config.mask : config.gateway) = value;
        } else if (key == "udp-model") {
            if (!fieldText(value, DiscoveryCodec::kModelSize))
                return bad("a model has 1 to 16 bytes and no control characters");
            config.udpModel = value;
        } else {
            return bad("unknown key");
        }
    }
    if (!haveAddress) {
        error = "address=... is required";
        return false;
    }
    if (!haveDir) {
        error = "dir=... is required";
        return false;
    }
    DiscoveryCodec::Ipv4 octets{};
    DiscoveryCodec::parseIpv4(config.address, octets);
    if (config.mac.empty())
        config.mac =
            DiscoveryCodec::macText({0x02, 0x00, octets[0], octets[1], octets[2], octets[3]});
    if (config.unitName.empty())
        config.unitName = "EX" + std::to_string(octets[3]);
    return true;
}

const char* UnitConfig::keysHelp()
{
    return "  address=A          IPv4 address to listen on (required)\n"
           "  port=N             TCP port (default 80)\n"
           "  dir=PATH           state folder (required); created if missing, resumed if it\n"
           "                     already holds state\n"
           "  name=NAME          system name of a new state folder (default R-4000)\n"
           "  password=P         plain password of a new state folder (default r4000)\n"
           "  auth=basic|digest  HTTP authentication (default basic)\n"
           "  restart-ms=N       silence after /reset.cgi before pending uploads apply\n"
           "                     (default 1000)\n"
           "  delay-ms=N         answer every request only after N ms (default 0)\n"
           "  upload-reply=RESET|OK  answer to a settings upload (default RESET)\n"
           "Misbehaviour switches:\n"
           "  refuse-login       answer 401 to every request\n"
           "  stall              200 answers: headers and half the body, then nothing for\n"
           "                     60 s or until the program ends\n"
           "  close-early        200 answers: headers and half the body, then the connection\n"
           "                     closes\n"
           "  no-length          200 answers without Content-Length (chunked)\n"
           "  reset-lower        settings upload answers \"reset\"\n"
           "  ok-crlf            settings upload answers \"OK\\r\\n\"\n"
           "  busy=N             firmware upload answers BUSY, and N-1 polls after it\n"
           "  busy-end=OK|ERROR  poll answer after the busy ones (default OK)\n"
           "  garbage            answer every upload with an unexpected text\n"
           "  ignore-uploads     answer settings uploads as usual but keep the old settings\n"
           "  unreachable        do not listen for HTTP at all\n"
           "Discovery (UDP port 15000; a unit's address, web port, mask, gateway and unit name\n"
           "are those of a new state folder: a resumed one keeps what a discovery write set):\n"
           "  mac=00-11-22-33-44-55  MAC (default 02-00- and the four octets of address)\n"
           "  model=M            R-4100EX (default), R-4120EX, R-4100MI, R-4700MS, R-4720MS\n"
           "                     or R-4760DS\n"
           "  unitname=TEXT      unit name, 1 to 32 bytes (default EX and the address's last\n"
           "                     octet, e.g. EX11)\n"
           "  mask=A             subnet mask (default 255.255.255.0)\n"
           "  gateway=A          default gateway (default 0.0.0.0)\n"
           "  udp-restart-ms=N   silence after a discovery reset, on UDP and HTTP, before the\n"
           "                     written settings apply (default 2000)\n"
           "  udp-broadcast-reply  answer by broadcast to the sender's port, as a unit outside\n"
           "                     the PC's subnet does\n"
           "Discovery misbehaviour switches:\n"
           "  udp-silent         never answer discovery\n"
           "  udp-duplicate      send every report twice\n"
           "  udp-zero-model     report a model field of zeros\n"
           "  udp-long-name      report the 32-byte name ABCDEFGHIJKLMNOPQRSTUVWXYZ012345\n"
           "                     (no terminator)\n"
           "  udp-model=TEXT     report this model instead, e.g. QG-210 (1 to 16 bytes)\n"
           "  no-write-ack       store writes without acknowledging them\n"
           "  no-reset-ack       restart on a reset without acknowledging it\n";
}
