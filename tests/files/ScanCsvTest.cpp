#include "ScanCsv.h"

#include <gtest/gtest.h>

namespace {

// What a unit calls itself cannot break a row, add one, or run as a spreadsheet formula;
// ordinary names stay byte for byte.
TEST(ScanCsv, ValuesFromUnitsCannotBreakTheFileOrRunAsFormulas)
{
    struct Case {
        const char* name;
        const char* written;
    };
    const Case cases[] = {
        {"Office", "Office"},       {"", ""},
        {"Hall, 2", "\"Hall, 2\""}, {"5\" bell", "\"5\"\" bell\""},
        {"a\r\nb", "a\\x0D\\x0Ab"}, {"\x1b[2J", "\\x1B[2J"},
        {"it's", "it's"},           {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"@SUM(A1)", "'@SUM(A1)"},  {"-2+3", "'-2+3"},
        {"R-4100EX", "R-4100EX"},
    };
    for (const Case& c : cases) {
        const ScanCsv::Row row{"02-00-00-00-00-0B", "R-4100EX", "198.18.1.11", "255.255.255.0",
                               "0.0.0.0",           80,         c.name};
        const std::string text = ScanCsv::write({row});
        const std::string line = text.substr(text.find("\r\n") + 2);
        EXPECT_EQ(line, std::string("02-00-00-00-00-0B,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,"
                                    "80,") +
                            c.written + "\r\n")
            << c.name;
    }
}

} // namespace
