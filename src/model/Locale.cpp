#include "Locale.h"

#include <cctype>

namespace {

struct LanguageEntry {
    const char* code;
    int codePage;
};

constexpr LanguageEntry kLanguages[] = {
    {"de", 1252}, {"es", 1252}, {"fr", 1252}, {"it", 1252},
    {"ja", 932},  {"nl", 1252}, {"ru", 1251}, {"ko", 949},
};

} // namespace

Locale Locale::fromCode(std::string_view code)
{
    std::string normalized;
    for (char c : code) {
        if (c != '-')
            normalized += char(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const LanguageEntry& entry : kLanguages) {
        if (normalized == entry.code)
            return Locale(entry.code, entry.codePage);
    }
    return Locale("en", 1252);
}

bool Locale::isLeadByte(unsigned char byte) const
{
    switch (codePage_) {
    case 932: // Shift JIS
        return (byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc);
    case 949: // Unified Hangul Code
        return byte >= 0x81 && byte <= 0xfe;
    default:
        return false;
    }
}
