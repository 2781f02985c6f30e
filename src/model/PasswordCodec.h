#pragma once

#include <string>
#include <string_view>

// The stored form of a system password: 40 decimal digits, four zero-padded unsigned
// 32-bit values. The password (at most 15 bytes, zero-padded to 16) is enciphered with
// XTEA as two 64-bit blocks, keyed by the first 16 bytes of the system name, so the same
// password is stored differently under different names and decoding needs the name.
//
// Factory-fresh units and new systems hold kDefaultStored, which stands for kDefaultPlain
// under any system name.
namespace PasswordCodec {

inline constexpr std::string_view kDefaultStored = "4711203958816640271935508812047736159023";
inline constexpr std::string_view kDefaultPlain = "r4000";
inline constexpr std::size_t kMaxPlainLength = 15;

// The stored form of plain under systemName. Bytes past the fifteenth are ignored.
std::string encode(std::string_view plain, std::string_view systemName);

// Recovers the password; false when stored is not 40 digits, a group exceeds 32 bits or the
// deciphered bytes are not a zero-padded text of at most 15 bytes.
bool decode(std::string_view stored, std::string_view systemName, std::string& plain);

// True when stored is the stored form of plain under systemName (digits compared as text,
// so letter case does not matter).
bool matches(std::string_view stored, std::string_view systemName, std::string_view plain);

} // namespace PasswordCodec
