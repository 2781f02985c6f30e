#include "ScanCellRules.h"

#include "TextRules.h"

namespace ScanCellRules {

int ipAddress(const std::string& text, Ipv4Address mask, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || !value.isHostFor(mask))
        return kInvalidIpAddress;
    out = value;
    return 0;
}

int subnetMask(const std::string& text, Ipv4Address ip, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || !ip.isHostFor(value))
        return kInvalidSubnetMask;
    out = value;
    return 0;
}

int gateway(const std::string& text, Ipv4Address mask, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || (!value.isZero() && !value.isHostFor(mask)))
        return kInvalidGateway;
    out = value;
    return 0;
}

int webPort(const std::string& text, unsigned& out)
{
    // Leading zeros are taken: "000080" is port 80.
    unsigned long value = 0;
    if (!TextRules::parseNumber(text, 65535, value) || value < 1)
        return kEnterNumber;
    out = unsigned(value);
    return 0;
}

int unitName(const std::string& bytes, const Locale& locale, std::string& out)
{
    if (bytes.empty() || bytes.size() > std::size_t(kMaxNameLength))
        return kEnterUpTo8;
    for (const char c : bytes) {
        if (locale.isLeadByte(static_cast<unsigned char>(c)))
            return kEnterUpTo8;
    }
    out = bytes;
    return 0;
}

} // namespace ScanCellRules
