#include "TerminalColumns.h"

namespace {

// East Asian wide and full-width characters: Hangul Jamo, CJK, Hangul syllables,
// compatibility ideographs and forms, full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

namespace TerminalColumns {

std::size_t width(std::string_view utf8)
{
    std::size_t cells = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        cells += isWide(c) ? 2 : 1;
        i += length;
    }
    return cells;
}

std::string padded(const std::string& utf8, std::size_t cells)
{
    const std::size_t taken = width(utf8);
    return taken >= cells ? utf8 : utf8 + std::string(cells - taken, ' ');
}

} // namespace TerminalColumns
