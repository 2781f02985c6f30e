#include "Ipv4Address.h"

#include <gtest/gtest.h>

namespace {

Ipv4Address parse(const char* text)
{
    Ipv4Address address;
    EXPECT_TRUE(Ipv4Address::fromText(text, address)) << text;
    return address;
}

struct TextCase {
    const char* text;
    bool valid;
};

class DottedText : public testing::TestWithParam<TextCase>
{
};

TEST_P(DottedText, ParsesOnlyFourDecimalOctets)
{
    Ipv4Address address(1, 2, 3, 4);
    EXPECT_EQ(Ipv4Address::fromText(GetParam().text, address), GetParam().valid);
    if (GetParam().valid)
        EXPECT_EQ(address.toText(), GetParam().text);
    else
        EXPECT_EQ(address, Ipv4Address(1, 2, 3, 4)) << "a refused text leaves the value alone";
}

INSTANTIATE_TEST_SUITE_P(Texts, DottedText,
                         testing::Values(TextCase{"192.168.1.10", true}, TextCase{"0.0.0.0", true},
                                         TextCase{"255.255.255.255", true},
                                         TextCase{"256.1.1.1", false}, TextCase{"1.2.3", false},
                                         TextCase{"1.2.3.4.5", false}, TextCase{"1..3.4", false},
                                         TextCase{"1.2.3.4 ", false}, TextCase{"-1.2.3.4", false},
                                         TextCase{"1.2.3.0004", false}, TextCase{"", false},
                                         TextCase{"a.b.c.d", false}));

TEST(Ipv4Address, OctetsKeepWrittenOrder)
{
    const Ipv4Address address = parse("10.20.30.40");
    EXPECT_EQ(address.octet(0), 10);
    EXPECT_EQ(address.octet(3), 40);
    EXPECT_EQ(address.toText(), "10.20.30.40");
}

struct MaskCase {
    const char* mask;
    bool valid;
};

class SubnetMask : public testing::TestWithParam<MaskCase>
{
};

TEST_P(SubnetMask, AcceptsPrefixesOneToThirty)
{
    EXPECT_EQ(parse(GetParam().mask).isValidMask(), GetParam().valid) << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, SubnetMask,
    testing::Values(MaskCase{"128.0.0.0", true}, MaskCase{"255.255.255.0", true},
                    MaskCase{"255.255.255.252", true}, MaskCase{"255.255.255.254", false},
                    MaskCase{"255.255.255.255", false}, MaskCase{"255.0.255.0", false},
                    MaskCase{"0.0.0.0", false}, MaskCase{"0.255.255.0", false}));

TEST(Ipv4Address, UnicastAndMulticastRanges)
{
    EXPECT_TRUE(parse("1.0.0.1").isUnicast());
    EXPECT_TRUE(parse("223.255.255.1").isUnicast());
    EXPECT_FALSE(parse("127.0.0.1").isUnicast());
    EXPECT_FALSE(parse("0.1.2.3").isUnicast());
    EXPECT_FALSE(parse("224.0.0.1").isUnicast());

    EXPECT_FALSE(parse("224.0.0.1").isMulticast());
    EXPECT_TRUE(parse("225.0.0.0").isMulticast());
    EXPECT_TRUE(parse("238.255.255.255").isMulticast());
    EXPECT_FALSE(parse("239.0.0.1").isMulticast());
}

TEST(Ipv4Address, HostPartMustBeNeitherZeroNorAllOnes)
{
    const Ipv4Address mask = parse("255.255.255.0");
    EXPECT_TRUE(parse("192.168.1.1").isHostFor(mask));
    EXPECT_TRUE(parse("192.168.1.254").isHostFor(mask));
    EXPECT_FALSE(parse("192.168.1.0").isHostFor(mask));
    EXPECT_FALSE(parse("192.168.1.255").isHostFor(mask));
    // Before a mask is given, any unicast address is a host.
    EXPECT_TRUE(parse("192.168.1.0").isHostFor(Ipv4Address()));
    EXPECT_FALSE(Ipv4Address().isHostFor(Ipv4Address()));
    const Ipv4Address narrow = parse("255.255.255.252");
    EXPECT_TRUE(parse("10.0.0.1").isHostFor(narrow));
    EXPECT_FALSE(parse("10.0.0.3").isHostFor(narrow));
}

} // namespace
