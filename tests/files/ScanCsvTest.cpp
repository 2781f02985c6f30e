#include "ScanCsv.h"

#include <gtest/gtest.h>

namespace {

// A value is quoted only when it would break the row; every other row stays as it was.
TEST(ScanCsv, QuotesOnlyTheValuesThatNeedIt)
{
    struct Case {
        const char* name;
        const char* written;
    };
    const Case cases[] = {
        {"Office", "Office"},
        {"", ""},
        {"Hall, 2", "\"Hall, 2\""},
        {"5\" bell", "\"5\"\" bell\""},
        {"a\r\nb", "\"a\r\nb\""},
        {"it's", "it's"},
    };
    for (const Case& c : cases) {
        const ScanCsv::Row row{"02-00-00-00-00-0B", "R-4100EX", "198.18.1.11",
                               "255.255.255.0",     "0.0.0.0",  80,
                               c.name};
        const std::string text = ScanCsv::write({row});
        const std::string line = text.substr(text.find("\r\n") + 2);
        EXPECT_EQ(line, std::string("02-00-00-00-00-0B,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,"
                                    "80,") +
                            c.written + "\r\n")
            << c.name;
    }
}

} // namespace
