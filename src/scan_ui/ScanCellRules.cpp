#include "ScanCellRules.h"

namespace ScanCellRules {

namespace {

bool usableHost(Ipv4Address address, Ipv4Address mask)
{
    const std::uint32_t host = address.value() & ~mask.value();
    return isHostAddress(address) && host != 0 && host != (~mask.value());
}

} // namespace

bool isHostAddress(Ipv4Address address)
{
    const int first = address.octet(0);
    return first != 0 && first != 127 && first < 224;
}

bool isDialogMask(Ipv4Address mask)
{
    return mask.isValidMask();
}

int ipAddress(const std::string& text, Ipv4Address mask, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || !usableHost(value, mask))
        return kInvalidIpAddress;
    out = value;
    return 0;
}

int subnetMask(const std::string& text, Ipv4Address ip, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || !usableHost(ip, value))
        return kInvalidSubnetMask;
    out = value;
    return 0;
}

int gateway(const std::string& text, Ipv4Address mask, Ipv4Address& out)
{
    Ipv4Address value;
    if (!Ipv4Address::fromText(text, value) || (!value.isZero() && !usableHost(value, mask)))
        return kInvalidGateway;
    out = value;
    return 0;
}

int webPort(const std::string& text, unsigned& out)
{
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return kEnterNumber;
    const unsigned long value = std::stoul(text);
    if (value < 1 || value > 65535)
        return kEnterNumber;
    out = unsigned(value);
    return 0;
}

int unitName(const std::string& bytes, const Locale& locale, std::string& out)
{
    if (bytes.empty() || bytes.size() > 8)
        return kEnterUpTo8;
    for (const char c : bytes) {
        if (locale.isLeadByte(static_cast<unsigned char>(c)))
            return kEnterUpTo8;
    }
    out = bytes;
    return 0;
}

} // namespace ScanCellRules
