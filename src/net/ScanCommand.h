#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using MacAddress = std::array<std::uint8_t, 6>;

// One packet of the discovery protocol (UDP port 15000): a command the program broadcasts
// from one of its interfaces, or an answer a unit sends back. Numbers are big-endian,
// addresses go as their four octets in written order. A sent command ends with a check
// value computed from the sending interface's address and the packet.
class ScanCommand
{
public:
    static constexpr std::uint16_t kPort = 15000;

    virtual ~ScanCommand() = default;

    std::uint8_t code() const { return bytes_[0]; }
    std::size_t length() const { return bytes_.size(); }
    // How long the program waits for answers after sending it; 0 for answers.
    virtual int replyTimeout() const { return 0; }
    // The interface the command is sent from, or the answer arrived on (dotted text).
    const std::string& localAddress() const { return localAddress_; }

    // The packet as it goes on the wire, check value included.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // The two check bytes over everything before them.
    std::array<std::uint8_t, 2> computeCheck() const;
    static std::array<std::uint8_t, 2> checkValue(const std::string& localAddress,
                                                  const std::uint8_t* data, std::size_t length);

    // An answer read from a datagram: copied into a zero-filled packet of its kind's length
    // (shorter datagrams leave zeros, longer ones are cut). Null for an empty datagram or
    // a code that is no answer.
    static std::unique_ptr<ScanCommand> decode(const std::uint8_t* data, std::size_t size,
                                               const std::string& localAddress);

protected:
    ScanCommand(std::uint8_t code, std::size_t length, std::string localAddress);

    // Big-endian fields of the packet.
    void put16(std::size_t offset, std::uint16_t value);
    void put32(std::size_t offset, std::uint32_t value);
    void putMac(std::size_t offset, const MacAddress& mac);
    void putText(std::size_t offset, std::size_t width, const std::string& text);
    std::uint16_t get16(std::size_t offset) const;
    std::uint32_t get32(std::size_t offset) const;
    MacAddress getMac(std::size_t offset) const;
    // Up to the first zero byte, at most width bytes.
    std::string getText(std::size_t offset, std::size_t width) const;
    // Writes the check value into the last two bytes.
    void seal();
    void copyFrom(const std::uint8_t* data, std::size_t size);

private:
    std::vector<std::uint8_t> bytes_;
    std::string localAddress_;
};
