// The simulator's discovery datagrams byte for byte, against packets written out by hand.
#include "DiscoveryCodec.h"

#include "DiscoveryBytes.h"

#include <gtest/gtest.h>

namespace {

using DiscoveryBytes::hex;
using DiscoveryBytes::padded;

DiscoveryCodec::Ipv4 address(const char* text)
{
    DiscoveryCodec::Ipv4 result{};
    EXPECT_TRUE(DiscoveryCodec::parseIpv4(text, result)) << text;
    return result;
}

TEST(DiscoveryCodecTest, RequestFrom192_168_1_10)
{
    EXPECT_EQ(DiscoveryCodec::hex(DiscoveryCodec::request(address("192.168.1.10"))), "902C40");
}

// A write with its check value sealed for one sender; every other value fails.
TEST(DiscoveryCodecTest, CheckValueCoversEveryByteAndTheSender)
{
    const DiscoveryCodec::Ipv4 sender = address("198.18.1.1");
    std::string write = hex("A0 001122334455 C612010B FFFFFF00 C6120101") + padded("Gate", 32) +
                        "2026/05/04 10:20:30" + hex("00 1F90 0000");
    ASSERT_EQ(write.size(), DiscoveryCodec::kWriteSize);
    DiscoveryCodec::seal(sender, write);
    ASSERT_TRUE(DiscoveryCodec::checkValueValid(sender, write));

    EXPECT_FALSE(DiscoveryCodec::checkValueValid(address("198.18.1.2"), write));
    EXPECT_FALSE(DiscoveryCodec::checkValueValid(address("1.1.18.198"), write))
        << "the octets count in order";
    for (std::size_t i = 0; i < write.size(); ++i) {
        std::string changed = write;
        changed[i] = static_cast<char>(changed[i] ^ 0x01);
        EXPECT_FALSE(DiscoveryCodec::checkValueValid(sender, changed)) << "byte " << i;
    }
    EXPECT_FALSE(DiscoveryCodec::checkValueValid(sender, write.substr(0, 2)));
}

struct ReportCase {
    const char* what;
    DiscoveryCodec::Identity unit;
    std::string bytes;
};

class ReportTest : public testing::TestWithParam<ReportCase>
{
};

TEST_P(ReportTest, Layout)
{
    const std::string report = DiscoveryCodec::report(GetParam().unit);
    ASSERT_EQ(report.size(), DiscoveryCodec::kReportSize);
    EXPECT_EQ(DiscoveryCodec::hex(report), DiscoveryCodec::hex(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportTest,
    testing::Values(ReportCase{"plain",
                               {{0x00, 0x11, 0x22, 0x33, 0x44, 0x55},
                                {198, 18, 1, 11},
                                {255, 255, 0, 0},
                                {198, 18, 1, 254},
                                "Office",
                                8080,
                                "R-4120EX"},
                               hex("91 00 001122334455 C612010B FFFF0000 C61201FE") +
                                   padded("Office", 32) + hex("1F90") + padded("R-4120EX", 16)},
                    // No terminator after a name of 32 bytes; an empty model leaves 16 zero bytes.
                    ReportCase{"fullNameZeroModel",
                               {{0x02, 0x00, 0xC6, 0x12, 0x01, 0x0C},
                                {198, 18, 1, 12},
                                {255, 255, 255, 0},
                                {0, 0, 0, 0},
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345",
                                80,
                                ""},
                               hex("91 00 0200C612010C C612010C FFFFFF00 00000000") +
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" + hex("0050") +
                                   padded("", 16)}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.what; });

TEST(DiscoveryCodecTest, Acks)
{
    const DiscoveryCodec::Mac mac = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    EXPECT_EQ(DiscoveryCodec::hex(DiscoveryCodec::ack(DiscoveryCodec::kWriteAck, mac)),
              "A100001122334455");
    EXPECT_EQ(DiscoveryCodec::hex(DiscoveryCodec::ack(DiscoveryCodec::kResetAck, mac)),
              "B100001122334455");
}

TEST(DiscoveryCodecTest, ParsesAWrite)
{
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"; // fills the field
    const std::string packet = hex("A0 001122334455 C6120115 FFFF0000 C6120101") + name +
                               "2026/05/04 10:20:30" + hex("00 1F91 ABCD");
    DiscoveryCodec::Write write;
    ASSERT_TRUE(DiscoveryCodec::parseWrite(packet, write));
    EXPECT_EQ(DiscoveryCodec::macText(write.mac), "00-11-22-33-44-55");
    EXPECT_EQ(DiscoveryCodec::ipv4Text(write.ip), "198.18.1.21");
    EXPECT_EQ(DiscoveryCodec::ipv4Text(write.mask), "255.255.0.0");
    EXPECT_EQ(DiscoveryCodec::ipv4Text(write.gateway), "198.18.1.1");
    EXPECT_EQ(write.name, name);
    EXPECT_EQ(write.time, "2026/05/04 10:20:30");
    EXPECT_EQ(write.webPort, 8081);

    const std::string shortName = hex("A0 001122334455 C6120115 FFFF0000 C6120101") +
                                  padded("Gate", 32) + padded("", 20) + hex("0050 0000");
    ASSERT_TRUE(DiscoveryCodec::parseWrite(shortName, write));
    EXPECT_EQ(write.name, "Gate");
    EXPECT_EQ(write.webPort, 80);

    EXPECT_FALSE(DiscoveryCodec::parseWrite(packet.substr(0, 74), write));
    EXPECT_FALSE(DiscoveryCodec::parseWrite(hex("B0") + packet.substr(1), write));
}

TEST(DiscoveryCodecTest, ParsesAReset)
{
    DiscoveryCodec::Mac mac{};
    ASSERT_TRUE(DiscoveryCodec::parseReset(hex("B0 0200C612010B 0000"), mac));
    EXPECT_EQ(DiscoveryCodec::macText(mac), "02-00-C6-12-01-0B");
    EXPECT_FALSE(DiscoveryCodec::parseReset(hex("B0 0200C612010B 00"), mac));
    EXPECT_FALSE(DiscoveryCodec::parseReset(hex("A0 0200C612010B 0000"), mac));
}

TEST(DiscoveryCodecTest, MacText)
{
    DiscoveryCodec::Mac mac{};
    ASSERT_TRUE(DiscoveryCodec::parseMac("0a:1B:2c:3D:4e:5F", mac));
    EXPECT_EQ(DiscoveryCodec::macText(mac), "0A-1B-2C-3D-4E-5F");
    for (const char* bad : {"00-11-22-33-44", "00-11-22-33-44-5G", "00-11-22-33-44-555",
                            "001-11-22-33-44-5", "00.11.22.33.44.55"})
        EXPECT_FALSE(DiscoveryCodec::parseMac(bad, mac)) << bad;
}

} // namespace
