#include "Ipv4Address.h"

#include <cstdio>

bool Ipv4Address::fromText(std::string_view text, Ipv4Address& out)
{
    std::uint32_t result = 0;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.')
                return false;
            ++pos;
        }
        int digits = 0;
        unsigned value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++digits > 3)
                return false;
            value = value * 10 + unsigned(text[pos] - '0');
            ++pos;
        }
        if (digits == 0 || value > 255)
            return false;
        result = (result << 8) | value;
    }
    if (pos != text.size())
        return false;
    out = Ipv4Address(result);
    return true;
}

std::string Ipv4Address::toText() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", octet(0), octet(1), octet(2), octet(3));
    return buffer;
}

bool Ipv4Address::isValidMask() const
{
    if (value_ == 0 || (value_ & 3u) != 0)
        return false;
    const std::uint32_t inverted = ~value_;
    return (inverted & (inverted + 1)) == 0; // host bits form one run from the bottom
}

bool Ipv4Address::isUnicast() const
{
    const int first = octet(0);
    return first >= 1 && first <= 223 && first != 127;
}

bool Ipv4Address::isMulticast() const
{
    const int first = octet(0);
    return first >= 225 && first <= 238;
}

bool Ipv4Address::isHostFor(Ipv4Address mask) const
{
    if (!isUnicast())
        return false;
    const std::uint32_t host = value_ & ~mask.value_;
    return host != 0 && host != ~mask.value_;
}
