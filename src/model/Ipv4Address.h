#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// An IPv4 address held with the first written octet in the highest byte, so masks and host
// parts are plain integer arithmetic. Text form is dotted decimal.
class Ipv4Address
{
public:
    constexpr Ipv4Address() = default;
    constexpr explicit Ipv4Address(std::uint32_t value) : value_(value) {}
    constexpr Ipv4Address(int a, int b, int c, int d)
        : value_((std::uint32_t(a & 0xff) << 24) | (std::uint32_t(b & 0xff) << 16) |
                 (std::uint32_t(c & 0xff) << 8) | std::uint32_t(d & 0xff))
    {
    }

    // Four decimal parts of 1 to 3 digits, each 0..255, separated by dots; nothing else.
    static bool fromText(std::string_view text, Ipv4Address& out);
    std::string toText() const;

    constexpr std::uint32_t value() const { return value_; }
    constexpr int octet(int index) const { return int((value_ >> (24 - 8 * index)) & 0xff); }
    constexpr bool isZero() const { return value_ == 0; }

    // Not 0, ones contiguous from the top, lowest two bits 0: prefixes /1 to /30.
    bool isValidMask() const;
    // First octet 1..223 and not 127.
    bool isUnicast() const;
    // First octet 225..238; 224 and 239 are reserved for other uses on these units.
    bool isMulticast() const;
    // A unicast address whose host part under mask is neither all zeros nor all ones.
    bool isHostFor(Ipv4Address mask) const;

    friend constexpr bool operator==(Ipv4Address a, Ipv4Address b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(Ipv4Address a, Ipv4Address b) { return a.value_ != b.value_; }

private:
    std::uint32_t value_ = 0;
};
