#include "PasswordCodec.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

std::string randomText(std::mt19937& rng, std::size_t minLength, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
    std::uniform_int_distribution<int> character(0x20, 0x7e);
    std::string text(length(rng), ' ');
    for (char& c : text)
        c = char(character(rng));
    return text;
}

TEST(PasswordCodec, RoundTripsManyNamesAndPasswords)
{
    std::mt19937 rng(4000);
    for (int i = 0; i < 2000; ++i) {
        const std::string name = randomText(rng, 1, 15);
        const std::string plain = randomText(rng, 1, 15);
        const std::string stored = PasswordCodec::encode(plain, name);
        ASSERT_EQ(stored.size(), 40u);
        ASSERT_EQ(stored.find_first_not_of("0123456789"), std::string::npos) << stored;
        std::string decoded;
        ASSERT_TRUE(PasswordCodec::decode(stored, name, decoded)) << name << " / " << plain;
        EXPECT_EQ(decoded, plain);
        EXPECT_TRUE(PasswordCodec::matches(stored, name, plain));
    }
}

TEST(PasswordCodec, TheSamePasswordIsStoredDifferentlyUnderAnotherName)
{
    const std::string a = PasswordCodec::encode("secret", "SiteA");
    const std::string b = PasswordCodec::encode("secret", "SiteB");
    EXPECT_NE(a, b);
    std::string decoded;
    EXPECT_FALSE(PasswordCodec::decode(a, "SiteB", decoded) && decoded == "secret");
}

TEST(PasswordCodec, DefaultStoredValueStandsForTheDefaultPassword)
{
    EXPECT_EQ(PasswordCodec::encode(PasswordCodec::kDefaultPlain, "R-4000"),
              PasswordCodec::kDefaultStored);
    for (const char* name : {"R-4000", "Another"}) {
        std::string decoded;
        ASSERT_TRUE(PasswordCodec::decode(PasswordCodec::kDefaultStored, name, decoded));
        EXPECT_EQ(decoded, PasswordCodec::kDefaultPlain);
        EXPECT_TRUE(PasswordCodec::matches(PasswordCodec::kDefaultStored, name,
                                           PasswordCodec::kDefaultPlain));
    }
    EXPECT_FALSE(PasswordCodec::matches(PasswordCodec::kDefaultStored, "R-4000", "wrong"));
}

TEST(PasswordCodec, OnlyTheFirstFifteenCharactersCount)
{
    const std::string stored = PasswordCodec::encode("0123456789abcdefgh", "Name");
    std::string decoded;
    ASSERT_TRUE(PasswordCodec::decode(stored, "Name", decoded));
    EXPECT_EQ(decoded, "0123456789abcde");
}

TEST(PasswordCodec, RefusesMalformedStoredValues)
{
    const std::string good = PasswordCodec::encode("pass", "Name");
    const std::string cases[] = {
        "",
        good.substr(0, 39),
        good + "0",
        "4294967296" + good.substr(10),             // a group above 32 bits
        good.substr(0, 20) + "x" + good.substr(21), // not a digit
    };
    for (const std::string& stored : cases) {
        std::string decoded = "untouched";
        EXPECT_FALSE(PasswordCodec::decode(stored, "Name", decoded)) << stored;
        EXPECT_EQ(decoded, "untouched");
    }
}

} // namespace
