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

// A list written, edited in a spreadsheet and saved again reads back as the rows it holds.
TEST(ScanCsv, ReadsWhatWasWrittenAndEdited)
{
    const std::vector<ScanCsv::Row> rows = {
        {"02-00-00-00-00-0B", "R-4100EX", "198.18.1.11", "255.255.255.0", "0.0.0.0", 80, "Hall, 2"},
        {"02-00-00-00-00-0C", "R-4700MS", "198.18.1.12", "255.255.255.0", "198.18.1.1", 8080,
         "-Desk"},
    };
    std::vector<ScanCsv::Row> read;
    std::string error;
    ASSERT_TRUE(ScanCsv::read(ScanCsv::write(rows), read, error)) << error;
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].name, "Hall, 2");
    EXPECT_EQ(read[1].name, "-Desk");
    EXPECT_EQ(read[1].gateway, "198.18.1.1");
    EXPECT_EQ(read[1].webPort, 8080u);

    // A byte order mark, LF line ends, quotes where none were needed and a blank line.
    ASSERT_TRUE(ScanCsv::read("\xEF\xBB\xBFMAC Address,Type,IP Address,Subnet mask,Default "
                              "gateway,Web port,Name\n\n\"02-00-00-00-00-0B\",R-4100EX,"
                              "198.18.1.21,255.255.255.0,0.0.0.0,80,Lobby\n",
                              read, error))
        << error;
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].mac, "02-00-00-00-00-0B");
    EXPECT_EQ(read[0].ipAddress, "198.18.1.21");

    // Lines ended by a CR alone, and a name whose control character the writer escaped.
    const std::string written = ScanCsv::write(
        {{"02-00-00-00-00-0B", "R-4100EX", "198.18.1.11", "255.255.255.0", "0.0.0.0", 80, "A\nB"}});
    std::string crOnly;
    for (const char c : written) {
        if (c != '\n')
            crOnly += c;
    }
    ASSERT_TRUE(ScanCsv::read(crOnly, read, error)) << error;
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "A\nB");
}

TEST(ScanCsv, RefusesWhatIsNoScanList)
{
    const std::string header =
        "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "empty"},
        {header, "no unit"},
        {"02-00-00-00-00-0B,R-4100EX\r\n", "line 1: no scan list"},
        {header + "02-00-00-00-00-0B,R-4100EX,198.18.1.11\r\n", "line 2: 7 values expected"},
        {header + "02-00-00-00-00-0B,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,http,A\r\n",
         "line 2: the web port 'http'"},
        {header + "02-00-00-00-00-0B,\"R-4100EX,198.18.1.11\r\n", "line 2: a quoted value"},
    };
    for (const auto& c : cases) {
        std::vector<ScanCsv::Row> rows;
        std::string error;
        EXPECT_FALSE(ScanCsv::read(c.text, rows, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

} // namespace
