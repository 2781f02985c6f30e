#pragma once

#include "Ipv4Address.h"
#include "Locale.h"

#include <string>

// What the scan list accepts in its cells. Each rule returns the id of the message that
// refuses the text, or 0 when the value is taken (then written to out).
namespace ScanCellRules {

constexpr int kInvalidIpAddress = 5309;
constexpr int kInvalidSubnetMask = 5310;
constexpr int kInvalidGateway = 5311;
constexpr int kEnterNumber = 5312; // "Enter number. (%d-%d)" with 1 and 65535
constexpr int kEnterUpTo8 = 5313;

// The most characters a cell takes: a dotted address, a port, a name.
constexpr int kMaxAddressLength = 15;
constexpr int kMaxPortLength = 5;
constexpr int kMaxNameLength = 8;

// An address usable as a host under the unit's mask.
int ipAddress(const std::string& text, Ipv4Address mask, Ipv4Address& out);
// Any mask under which the unit's address stays a usable host (the pattern is not checked).
int subnetMask(const std::string& text, Ipv4Address ip, Ipv4Address& out);
// 0.0.0.0 (none), or an address usable as a host under the unit's mask.
int gateway(const std::string& text, Ipv4Address mask, Ipv4Address& out);
// Decimal digits only, 1..65535 (leading zeros taken).
int webPort(const std::string& text, unsigned& out);
// 1 to 8 characters, none of them the lead byte of a double-byte character.
int unitName(const std::string& bytes, const Locale& locale, std::string& out);

} // namespace ScanCellRules
