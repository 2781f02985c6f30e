#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The datagrams of the discovery protocol on UDP port 15000, as a unit reads and writes them.
// Multi-byte numbers are big-endian; IPv4 addresses are their four octets in written order.
//
// The program broadcasts requests (0x90), writes (0xA0) and resets (0xB0); each ends in a
// two-byte check value computed over the sender's address and the bytes before it. A unit
// answers a request with a report (0x91), a write or reset addressed to its MAC with an
// acknowledgement (0xA1, 0xB1). Unit datagrams carry no check value.
class DiscoveryCodec
{
public:
    using Ipv4 = std::array<std::uint8_t, 4>;
    using Mac = std::array<std::uint8_t, 6>;

    static constexpr std::uint16_t kPort = 15000;
    static constexpr std::uint8_t kRequest = 0x90;
    static constexpr std::uint8_t kReport = 0x91;
    static constexpr std::uint8_t kWrite = 0xA0;
    static constexpr std::uint8_t kWriteAck = 0xA1;
    static constexpr std::uint8_t kReset = 0xB0;
    static constexpr std::uint8_t kResetAck = 0xB1;
    static constexpr std::size_t kRequestSize = 3;
    static constexpr std::size_t kReportSize = 70;
    static constexpr std::size_t kWriteSize = 75;
    static constexpr std::size_t kResetSize = 9;
    static constexpr std::size_t kAckSize = 8;
    static constexpr std::size_t kNameSize = 32;
    static constexpr std::size_t kModelSize = 16;
    static constexpr std::size_t kTimeSize = 19;

    // What a report tells about a unit. A name or model longer than its field is cut; an
    // empty model leaves the field all zero.
    struct Identity {
        Mac mac{};
        Ipv4 ip{};
        Ipv4 mask{};
        Ipv4 gateway{};
        std::string name;
        std::uint16_t webPort = 80;
        std::string model;
    };

    // The new settings a write carries for the unit with its MAC.
    struct Write {
        Mac mac{};
        Ipv4 ip{};
        Ipv4 mask{};
        Ipv4 gateway{};
        std::string name; // up to the first zero byte, at most 32 bytes
        std::string time; // the PC's local time, "YYYY/MM/DD hh:mm:ss" as sent
        std::uint16_t webPort = 0;
    };

    // The check value of a packet from sender: over the sender's octets and every byte of the
    // packet but its last two (where the value goes).
    static std::uint16_t checkValue(const Ipv4& sender, std::string_view packet);
    // The packet's last two bytes hold the right check value for sender.
    static bool checkValueValid(const Ipv4& sender, std::string_view packet);
    // Puts the check value into the packet's last two bytes.
    static void seal(const Ipv4& sender, std::string& packet);

    static std::string request(const Ipv4& sender);
    static std::string report(const Identity& unit);
    // kWriteAck or kResetAck with status 0.
    static std::string ack(std::uint8_t kind, const Mac& mac);

    // Layout only (kind and length); the check value is checked apart.
    static bool parseWrite(std::string_view packet, Write& out);
    static bool parseReset(std::string_view packet, Mac& mac);

    // "00-11-22-33-44-55"; reading also takes ':' between the octets.
    static bool parseMac(std::string_view text, Mac& mac);
    static std::string macText(const Mac& mac);
    static bool parseIpv4(std::string_view text, Ipv4& address);
    static std::string ipv4Text(const Ipv4& address);
    // Upper-case hex digits, no separators.
    static std::string hex(std::string_view bytes);
};
