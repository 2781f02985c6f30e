#include "CodePageText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    int codePage;
    std::string utf8;
    std::string bytes;
};

class CodePageTextRoundTrip : public testing::TestWithParam<Case>
{
};

TEST_P(CodePageTextRoundTrip, BothWays)
{
    const Case& c = GetParam();
    std::string bytes;
    ASSERT_TRUE(CodePageText::fromUtf8(c.utf8, c.codePage, bytes));
    EXPECT_EQ(bytes, c.bytes);
    EXPECT_EQ(CodePageText::toUtf8(bytes, c.codePage), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CodePageTextRoundTrip,
    testing::Values(Case{"ascii", 1252, "Tower 1", "Tower 1"},
                    Case{"western", 1252, "T\xC3\xBCr \xE2\x82\xAC", "T\xFCr \x80"},
                    Case{"cyrillic", 1251, "\xD0\x91", "\xC1"},
                    Case{"korean", 949, "\xED\x95\x9C\xEA\xB8\x80", "\xC7\xD1\xB1\xDB"},
                    Case{"japanese", 932, "\xE3\x81\x82", "\x82\xA0"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(CodePageText, CharacterWithoutAFormIsRefused)
{
    std::string bytes = "old";
    // Hangul has no form in the western code page.
    EXPECT_FALSE(CodePageText::fromUtf8("A\xED\x95\x9C", 1252, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(CodePageText, InvalidBytesBecomeReplacementCharacters)
{
    // A lead byte at the end of a Korean text has no trail byte.
    EXPECT_EQ(CodePageText::toUtf8("A\xC7", 949), "A\xEF\xBF\xBD");
    EXPECT_EQ(CodePageText::toUtf8("", 949), "");
}

} // namespace
