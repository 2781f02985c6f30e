#pragma once

#include <cctype>
#include <string>
#include <string_view>

// Expected discovery datagrams, written out by hand: hex digits (spaces between them are
// for reading) and zero-padded text fields.
namespace DiscoveryBytes {

inline std::string hex(std::string_view digits)
{
    std::string bytes;
    int high = -1;
    for (char c : digits) {
        if (c == ' ')
            continue;
        const int value = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        if (high < 0) {
            high = value;
        } else {
            bytes += static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    return bytes;
}

inline std::string padded(std::string text, std::size_t size)
{
    text.resize(size, '\0');
    return text;
}

} // namespace DiscoveryBytes
