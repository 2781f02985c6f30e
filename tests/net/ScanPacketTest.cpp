// The discovery packets byte for byte, and what is read from untrusted datagrams.
#include "CmdReport.h"
#include "CmdRequest.h"
#include "CmdReset.h"
#include "CmdResetAck.h"
#include "CmdWrite.h"
#include "CmdWriteAck.h"
#include "ScanElement.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
const MacAddress kMac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

TEST(ScanPacket, RequestCarriesTheCheckValueOfItsInterface)
{
    EXPECT_EQ(CmdRequest("192.168.1.10").bytes(), (Bytes{0x90, 0x2C, 0x40}));
    // Another interface, another check value.
    EXPECT_NE(CmdRequest("192.168.1.11").bytes(), CmdRequest("192.168.1.10").bytes());
    EXPECT_EQ(CmdRequest("192.168.1.10").replyTimeout(), 3000);
}

TEST(ScanPacket, WriteAndResetLayout)
{
    const CmdWrite write("10.0.0.1", kMac, Ipv4Address(192, 168, 1, 20),
                         Ipv4Address(255, 255, 255, 0), Ipv4Address(192, 168, 1, 1), "Lobby", 8080,
                         "2026/12/06 15:04:05");
    const Bytes& b = write.bytes();
    ASSERT_EQ(b.size(), 75u);
    EXPECT_EQ(b[0], 0xA0);
    EXPECT_EQ(Bytes(b.begin() + 1, b.begin() + 7), Bytes(kMac.begin(), kMac.end()));
    EXPECT_EQ(Bytes(b.begin() + 7, b.begin() + 19),
              (Bytes{192, 168, 1, 20, 255, 255, 255, 0, 192, 168, 1, 1}));
    EXPECT_EQ(std::string(b.begin() + 19, b.begin() + 24), "Lobby");
    EXPECT_EQ(Bytes(b.begin() + 24, b.begin() + 51), Bytes(27, 0));
    EXPECT_EQ(std::string(b.begin() + 51, b.begin() + 70), "2026/12/06 15:04:05");
    EXPECT_EQ(b[70], 0);
    EXPECT_EQ(Bytes(b.begin() + 71, b.begin() + 73), (Bytes{0x1F, 0x90}));
    const auto check = ScanCommand::checkValue("10.0.0.1", b.data(), 73);
    EXPECT_EQ(Bytes(b.begin() + 73, b.end()), (Bytes{check[0], check[1]}));

    const CmdReset reset("10.0.0.1", kMac);
    ASSERT_EQ(reset.bytes().size(), 9u);
    EXPECT_EQ(reset.bytes()[0], 0xB0);
    EXPECT_EQ(Bytes(reset.bytes().begin() + 1, reset.bytes().begin() + 7),
              Bytes(kMac.begin(), kMac.end()));
}

TEST(ScanPacket, LongNameIsCutToItsField)
{
    const CmdWrite write("10.0.0.1", kMac, {}, {}, {}, std::string(40, 'N'), 80,
                         "2026/12/06 15:04:05");
    EXPECT_EQ(std::string(write.bytes().begin() + 19, write.bytes().begin() + 51),
              std::string(32, 'N'));
    EXPECT_EQ(write.bytes()[51], '2');
}

Bytes report(const std::string& name, const std::string& model)
{
    Bytes b(70, 0);
    b[0] = 0x91;
    std::copy(kMac.begin(), kMac.end(), b.begin() + 2);
    const Bytes addresses{198, 18, 1, 11, 255, 255, 255, 0, 198, 18, 1, 1};
    std::copy(addresses.begin(), addresses.end(), b.begin() + 8);
    std::copy(name.begin(), name.end(), b.begin() + 20);
    b[52] = 0x00;
    b[53] = 0x50;
    std::copy(model.begin(), model.end(), b.begin() + 54);
    return b;
}

TEST(ScanPacket, ReportFieldsWithAWholeNameAndNoModel)
{
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    const Bytes bytes = report(name, "");
    const auto decoded = ScanCommand::decode(bytes.data(), bytes.size(), "198.18.1.1");
    ASSERT_NE(decoded, nullptr);
    ASSERT_EQ(decoded->code(), CmdReport::kCode);
    const ScanElement unit = ScanElement::fromReport(static_cast<const CmdReport&>(*decoded));
    EXPECT_EQ(ScanElement::macText(unit.macAddress), "00-1A-2B-3C-4D-5E");
    EXPECT_EQ(unit.ipAddress.toText(), "198.18.1.11");
    EXPECT_EQ(unit.subnetMask.toText(), "255.255.255.0");
    EXPECT_EQ(unit.gateway.toText(), "198.18.1.1");
    EXPECT_EQ(unit.unitName, name);
    EXPECT_EQ(unit.webPort, 80);
    EXPECT_EQ(unit.modelName, "QG-210");
    EXPECT_EQ(unit.localAddress, "198.18.1.1");
}

TEST(ScanPacket, DatagramsAreReadIntoPacketsOfTheirKind)
{
    // A report cut short reads as zeros; a long one is cut; unknown codes are dropped.
    Bytes shortReport = report("Lobby", "R-4100EX");
    shortReport.resize(30);
    auto decoded = ScanCommand::decode(shortReport.data(), shortReport.size(), "");
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->length(), 70u);
    const auto& cut = static_cast<const CmdReport&>(*decoded);
    EXPECT_EQ(cut.unitName(), "Lobby");
    EXPECT_EQ(cut.webPort(), 0);
    EXPECT_EQ(cut.modelName(), "QG-210");

    Bytes longAck(600, 0xEE);
    longAck[0] = CmdWriteAck::kCode;
    longAck[1] = 7;
    decoded = ScanCommand::decode(longAck.data(), longAck.size(), "");
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->length(), 8u);
    EXPECT_EQ(static_cast<const CmdWriteAck&>(*decoded).status(), 7);

    const Bytes nothing;
    EXPECT_EQ(ScanCommand::decode(nothing.data(), 0, ""), nullptr);
    for (const std::uint8_t code : {0x90, 0xA0, 0xB0, 0x00, 0xFF}) {
        const Bytes other{code, 1, 2, 3};
        EXPECT_EQ(ScanCommand::decode(other.data(), other.size(), ""), nullptr) << int(code);
    }
}

TEST(ScanPacket, MacTextBothWays)
{
    EXPECT_EQ(ScanElement::macText(kMac), "00-1A-2B-3C-4D-5E");
    MacAddress read{};
    EXPECT_TRUE(ScanElement::macFromText("00-1a-2B-3C-4D-5E", read));
    EXPECT_EQ(read, kMac);
    for (const char* bad : {"", "00-1A-2B-3C-4D", "00-1A-2B-3C-4D-5G", "001A2B3C4D5E00000"})
        EXPECT_FALSE(ScanElement::macFromText(bad, read)) << bad;
}

} // namespace
