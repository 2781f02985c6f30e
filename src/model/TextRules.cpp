#include "TextRules.h"

#include "Locale.h"

namespace TextRules {

bool isControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7f;
}

bool isShortLabel(std::string_view text, std::size_t maxBytes, const Locale& locale)
{
    if (text.size() > maxBytes)
        return false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte) || locale.isLeadByte(byte))
            return false;
    }
    return true;
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

unsigned long leadingNumber(std::string_view text)
{
    constexpr unsigned long kLimit = 1000000000ul;
    unsigned long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + unsigned(c - '0');
        if (value > kLimit)
            return kLimit;
    }
    return value;
}

bool parseNumber(std::string_view text, unsigned long max, unsigned long& out)
{
    if (!isDigits(text))
        return false;
    unsigned long value = 0;
    for (char c : text) {
        value = value * 10 + unsigned(c - '0');
        if (value > max)
            return false;
    }
    out = value;
    return true;
}

std::string escapeControls(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte))
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        else
            out += c;
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    // Keys and keywords are ASCII; other bytes compare as they are, whatever the locale.
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace TextRules
