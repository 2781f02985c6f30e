// The bytes a unit receives: form bodies, boundaries and clock fields.
#include "Cgi.h"
#include "UnitClient.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(CgiBody, UrlEncodingEscapesValuesByteByByteButNeverNames)
{
    const struct {
        std::vector<PostParam> fields;
        std::string body;
    } cases[] = {
        {{{"v", "a b/c"}}, "v=a+b%2Fc"},
        {{{"v", "\xE9"}}, "v=%E9"},
        {{{"v", "AZaz09-_.*"}}, "v=AZaz09-_.*"},
        {{{"v", "%&=+~\x01"}}, "v=%25%26%3D%2B%7E%01"},
        {{{"a b/c", "x"}, {"t_yy", ""}}, "a b/c=x&t_yy="},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cgi::urlEncodedBody(c.fields), c.body);
}

TEST(CgiBody, MultipartPartsCarryNoFileNameAndEndWithTheClosingLine)
{
    const std::string data("line\r\n\0\xFF", 8);
    EXPECT_EQ(Cgi::multipartBody({{"access", "APP"}, {"file", data}}, "-----ABC"),
              "-------ABC\r\n"
              "content-disposition: form-data; name=\"access\"\r\n\r\n"
              "APP\r\n"
              "-------ABC\r\n"
              "content-disposition: form-data; name=\"file\"\r\n\r\n" +
                  data +
                  "\r\n"
                  "-------ABC--\r\n");
}

TEST(CgiBody, RandomTextUsesTheSixtyFourCharacters)
{
    Cgi::RandomString random(15);
    const std::string allowed = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        const std::string text = random.next();
        ASSERT_EQ(text.size(), 15u);
        EXPECT_EQ(text.find_first_not_of(allowed), std::string::npos) << text;
        seen.insert(text);
    }
    EXPECT_GT(seen.size(), 90u);
}

TEST(CgiBody, ClockFieldsAreEnglishWhateverTheLocale)
{
    const struct {
        int year, month, day, hour, minute;
        const char* body;
    } cases[] = {
        {2026, 3, 6, 9, 5, "t_yy=Mar%2F06%2F2026&t_hh=09&t_mm=05"},
        {2026, 12, 31, 23, 59, "t_yy=Dec%2F31%2F2026&t_hh=23&t_mm=59"},
        {2027, 1, 1, 0, 0, "t_yy=Jan%2F01%2F2027&t_hh=00&t_mm=00"},
    };
    std::setlocale(LC_TIME, "de_DE.UTF-8");
    for (const auto& c : cases) {
        std::tm t{};
        t.tm_year = c.year - 1900;
        t.tm_mon = c.month - 1;
        t.tm_mday = c.day;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        EXPECT_EQ(Cgi::urlEncodedBody(UnitClient::clockFields(t)), c.body);
    }
    std::setlocale(LC_TIME, "C");
}

} // namespace
