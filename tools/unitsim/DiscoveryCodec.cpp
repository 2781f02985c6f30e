#include "DiscoveryCodec.h"

#include "HexDigit.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>

namespace {

std::uint8_t byteAt(std::string_view packet, std::size_t offset)
{
    return static_cast<std::uint8_t>(packet[offset]);
}

template <std::size_t N>
void put(std::string& packet, std::size_t offset, const std::array<std::uint8_t, N>& bytes)
{
    for (std::size_t i = 0; i < N; ++i)
        packet[offset + i] = static_cast<char>(bytes[i]);
}

template <std::size_t N>
void take(std::string_view packet, std::size_t offset, std::array<std::uint8_t, N>& bytes)
{
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = byteAt(packet, offset + i);
}

// A zero-padded text field: the text cut to the field, zeros after it.
void putText(std::string& packet, std::size_t offset, std::size_t size, std::string_view text)
{
    packet.replace(offset, size, size, '\0');
    packet.replace(offset, std::min(size, text.size()), text.substr(0, size));
}

std::string takeText(std::string_view packet, std::size_t offset, std::size_t size)
{
    std::string_view field = packet.substr(offset, size);
    return std::string(field.substr(0, field.find('\0')));
}

void put16(std::string& packet, std::size_t offset, std::uint16_t value)
{
    packet[offset] = static_cast<char>(value >> 8);
    packet[offset + 1] = static_cast<char>(value & 0xFF);
}

std::uint16_t take16(std::string_view packet, std::size_t offset)
{
    return static_cast<std::uint16_t>(byteAt(packet, offset) << 8 | byteAt(packet, offset + 1));
}

} // namespace

std::uint16_t DiscoveryCodec::checkValue(const Ipv4& sender, std::string_view packet)
{
    std::uint32_t h = 0;
    for (std::uint8_t octet : sender)
        h += octet;
    auto mix = [&h](std::uint8_t x) { h = (h * 11035u + x) & 0xFFFFu; };
    for (std::uint8_t octet : sender)
        mix(octet);
    const std::size_t covered = packet.size() >= 2 ? packet.size() - 2 : 0;
    for (std::size_t i = 0; i < covered; ++i)
        mix(byteAt(packet, i));
    return static_cast<std::uint16_t>(h);
}

bool DiscoveryCodec::checkValueValid(const Ipv4& sender, std::string_view packet)
{
    return packet.size() >= 3 && take16(packet, packet.size() - 2) == checkValue(sender, packet);
}

void DiscoveryCodec::seal(const Ipv4& sender, std::string& packet)
{
    if (packet.size() >= 2)
        put16(packet, packet.size() - 2, checkValue(sender, packet));
}

std::string DiscoveryCodec::request(const Ipv4& sender)
{
    std::string packet(kRequestSize, '\0');
    packet[0] = static_cast<char>(kRequest);
    seal(sender, packet);
    return packet;
}

std::string DiscoveryCodec::report(const Identity& unit)
{
    std::string packet(kReportSize, '\0');
    packet[0] = static_cast<char>(kReport);
    put(packet, 2, unit.mac);
    put(packet, 8, unit.ip);
    put(packet, 12, unit.mask);
    put(packet, 16, unit.gateway);
    putText(packet, 20, kNameSize, unit.name);
    put16(packet, 52, unit.webPort);
    putText(packet, 54, kModelSize, unit.model);
    return packet;
}

std::string DiscoveryCodec::ack(std::uint8_t kind, const Mac& mac)
{
    std::string packet(kAckSize, '\0');
    packet[0] = static_cast<char>(kind);
    put(packet, 2, mac);
    return packet;
}

bool DiscoveryCodec::parseWrite(std::string_view packet, Write& out)
{
    if (packet.size() != kWriteSize || byteAt(packet, 0) != kWrite)
        return false;
    take(packet, 1, out.mac);
    take(packet, 7, out.ip);
    take(packet, 11, out.mask);
    take(packet, 15, out.gateway);
    out.name = takeText(packet, 19, kNameSize);
    out.time = std::string(packet.substr(51, kTimeSize));
    out.webPort = take16(packet, 71);
    return true;
}

bool DiscoveryCodec::parseReset(std::string_view packet, Mac& mac)
{
    if (packet.size() != kResetSize || byteAt(packet, 0) != kReset)
        return false;
    take(packet, 1, mac);
    return true;
}

bool DiscoveryCodec::parseMac(std::string_view text, Mac& mac)
{
    if (text.size() != 17)
        return false;
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const int high = hexDigit(text[3 * i]);
        const int low = hexDigit(text[3 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        if (i + 1 < mac.size() && text[3 * i + 2] != '-' && text[3 * i + 2] != ':')
            return false;
        mac[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return true;
}

std::string DiscoveryCodec::macText(const Mac& mac)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

bool DiscoveryCodec::parseIpv4(std::string_view text, Ipv4& address)
{
    in_addr parsed{};
    if (::inet_pton(AF_INET, std::string(text).c_str(), &parsed) != 1)
        return false;
    const auto* octets = reinterpret_cast<const std::uint8_t*>(&parsed.s_addr);
    for (std::size_t i = 0; i < address.size(); ++i)
        address[i] = octets[i];
    return true;
}

std::string DiscoveryCodec::ipv4Text(const Ipv4& address)
{
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
           std::to_string(address[2]) + "." + std::to_string(address[3]);
}

std::string DiscoveryCodec::hex(std::string_view bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}
