#include "Locale.h"

#include <cctype>

namespace {

struct LanguageEntry {
    const char* code;
    const char* word;
    int codePage;
};

constexpr LanguageEntry kLanguages[] = {
    {"de", "german", 1252},  {"es", "spanish", 1252}, {"fr", "french", 1252},
    {"it", "italian", 1252}, {"ja", "japanese", 932}, {"nl", "dutch", 1252},
    {"ru", "russian", 1251}, {"ko", "korean", 949},
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
            return Locale(entry.code, entry.word, entry.codePage);
    }
    return Locale("en", "english", 1252);
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
