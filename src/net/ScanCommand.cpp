#include "ScanCommand.h"

#include "CmdReport.h"
#include "CmdResetAck.h"
#include "CmdWriteAck.h"
#include "Ipv4Address.h"

#include <algorithm>
#include <cstring>

ScanCommand::ScanCommand(std::uint8_t code, std::size_t length, std::string localAddress)
    : bytes_(length, 0), localAddress_(std::move(localAddress))
{
    bytes_[0] = code;
}

std::array<std::uint8_t, 2> ScanCommand::checkValue(const std::string& localAddress,
                                                    const std::uint8_t* data, std::size_t length)
{
    Ipv4Address address;
    Ipv4Address::fromText(localAddress, address);
    const std::uint8_t octets[4] = {std::uint8_t(address.octet(0)), std::uint8_t(address.octet(1)),
                                    std::uint8_t(address.octet(2)), std::uint8_t(address.octet(3))};
    std::uint32_t h = std::uint32_t(octets[0]) + octets[1] + octets[2] + octets[3];
    for (const std::uint8_t x : octets)
        h = (h * 11035 + x) % 65536;
    for (std::size_t i = 0; i < length; ++i)
        h = (h * 11035 + data[i]) % 65536;
    return {std::uint8_t(h / 256), std::uint8_t(h % 256)};
}

std::array<std::uint8_t, 2> ScanCommand::computeCheck() const
{
    return checkValue(localAddress_, bytes_.data(), bytes_.size() - 2);
}

void ScanCommand::seal()
{
    const auto check = computeCheck();
    bytes_[bytes_.size() - 2] = check[0];
    bytes_[bytes_.size() - 1] = check[1];
}

void ScanCommand::copyFrom(const std::uint8_t* data, std::size_t size)
{
    std::memcpy(bytes_.data(), data, std::min(size, bytes_.size()));
}

void ScanCommand::put16(std::size_t offset, std::uint16_t value)
{
    bytes_[offset] = std::uint8_t(value >> 8);
    bytes_[offset + 1] = std::uint8_t(value);
}

void ScanCommand::put32(std::size_t offset, std::uint32_t value)
{
    put16(offset, std::uint16_t(value >> 16));
    put16(offset + 2, std::uint16_t(value));
}

void ScanCommand::putMac(std::size_t offset, const MacAddress& mac)
{
    std::copy(mac.begin(), mac.end(), bytes_.begin() + long(offset));
}

void ScanCommand::putText(std::size_t offset, std::size_t width, const std::string& text)
{
    std::fill_n(bytes_.begin() + long(offset), width, 0);
    std::copy_n(text.begin(), std::min(width, text.size()), bytes_.begin() + long(offset));
}

std::uint16_t ScanCommand::get16(std::size_t offset) const
{
    return std::uint16_t((bytes_[offset] << 8) | bytes_[offset + 1]);
}

std::uint32_t ScanCommand::get32(std::size_t offset) const
{
    return (std::uint32_t(get16(offset)) << 16) | get16(offset + 2);
}

MacAddress ScanCommand::getMac(std::size_t offset) const
{
    MacAddress mac{};
    std::copy_n(bytes_.begin() + long(offset), mac.size(), mac.begin());
    return mac;
}

std::string ScanCommand::getText(std::size_t offset, std::size_t width) const
{
    const auto begin = bytes_.begin() + long(offset);
    return std::string(begin, std::find(begin, begin + long(width), std::uint8_t(0)));
}

std::unique_ptr<ScanCommand> ScanCommand::decode(const std::uint8_t* data, std::size_t size,
                                                 const std::string& localAddress)
{
    if (size == 0)
        return nullptr;
    std::unique_ptr<ScanCommand> answer;
    switch (data[0]) {
    case CmdReport::kCode:
        answer = std::make_unique<CmdReport>(localAddress);
        break;
    case CmdWriteAck::kCode:
        answer = std::make_unique<CmdWriteAck>(localAddress);
        break;
    case CmdResetAck::kCode:
        answer = std::make_unique<CmdResetAck>(localAddress);
        break;
    default:
        return nullptr;
    }
    answer->copyFrom(data, size);
    return answer;
}
