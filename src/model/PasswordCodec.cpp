#include "PasswordCodec.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace PasswordCodec {
namespace {

using Block = std::array<std::uint32_t, 2>;
using Key = std::array<std::uint32_t, 4>;

constexpr std::uint32_t kDelta = 0x9e3779b9u;
constexpr int kRounds = 32;

// Little-endian words from up to 16 bytes of text, zero-padded.
std::array<std::uint32_t, 4> wordsOf(std::string_view text)
{
    std::array<std::uint32_t, 4> words{};
    for (std::size_t i = 0; i < 16 && i < text.size(); ++i)
        words[i / 4] |= std::uint32_t(static_cast<unsigned char>(text[i])) << (8 * (i % 4));
    return words;
}

void encipher(Block& v, const Key& k)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = 0;
    for (int i = 0; i < kRounds; ++i) {
        v0 += (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + k[sum & 3]);
        sum += kDelta;
        v1 += (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + k[(sum >> 11) & 3]);
    }
    v = {v0, v1};
}

void decipher(Block& v, const Key& k)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = kDelta * kRounds;
    for (int i = 0; i < kRounds; ++i) {
        v1 -= (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + k[(sum >> 11) & 3]);
        sum -= kDelta;
        v0 -= (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + k[sum & 3]);
    }
    v = {v0, v1};
}

bool parseGroups(std::string_view stored, std::array<std::uint32_t, 4>& groups)
{
    if (stored.size() != 40)
        return false;
    for (std::size_t g = 0; g < 4; ++g) {
        std::uint64_t value = 0;
        for (char c : stored.substr(g * 10, 10)) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + std::uint64_t(c - '0');
        }
        if (value > 0xffffffffu)
            return false;
        groups[g] = std::uint32_t(value);
    }
    return true;
}

} // namespace

std::string encode(std::string_view plain, std::string_view systemName)
{
    plain = plain.substr(0, kMaxPlainLength);
    if (plain == kDefaultPlain && systemName == "R-4000")
        return std::string(kDefaultStored);

    const Key key = wordsOf(systemName);
    const auto words = wordsOf(plain);
    Block first{words[0], words[1]};
    Block second{words[2], words[3]};
    encipher(first, key);
    encipher(second, key);

    char buffer[41];
    std::snprintf(buffer, sizeof buffer, "%010u%010u%010u%010u", unsigned(first[0]),
                  unsigned(first[1]), unsigned(second[0]), unsigned(second[1]));
    return buffer;
}

bool decode(std::string_view stored, std::string_view systemName, std::string& plain)
{
    if (stored == kDefaultStored) {
        plain = std::string(kDefaultPlain);
        return true;
    }
    std::array<std::uint32_t, 4> groups{};
    if (!parseGroups(stored, groups))
        return false;

    const Key key = wordsOf(systemName);
    Block first{groups[0], groups[1]};
    Block second{groups[2], groups[3]};
    decipher(first, key);
    decipher(second, key);
    const std::array<std::uint32_t, 4> words{first[0], first[1], second[0], second[1]};

    std::string text;
    bool ended = false;
    for (std::size_t i = 0; i < 16; ++i) {
        const auto byte = static_cast<unsigned char>((words[i / 4] >> (8 * (i % 4))) & 0xff);
        if (byte == 0)
            ended = true;
        else if (ended)
            return false; // bytes after the terminator: not something encode produced
        else
            text += char(byte);
    }
    if (!ended)
        return false;
    plain = std::move(text);
    return true;
}

bool matches(std::string_view stored, std::string_view systemName, std::string_view plain)
{
    std::string decoded;
    return decode(stored, systemName, decoded) && decoded == plain.substr(0, kMaxPlainLength);
}

} // namespace PasswordCodec
