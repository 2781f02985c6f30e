#include "InitialFile.h"

#include <gtest/gtest.h>

namespace {

TEST(InitialFile, NamesTheLastSystem)
{
    struct Case {
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {"[startup]\r\nstart=Plant\r\n", "Plant"},
        {"[startup]\nstart=Plant B\n", "Plant B"},
        {"start=\r\n", ""},
        {"[startup]\r\n", ""},
        {"", ""},
        {"start=First\r\nstart=Second\r\n", "First"},
        // The key stands at the start of the line, after blanks; case is ignored.
        {"  start=Plant\r\n", "Plant"},
        {"\tSTART=Plant\r\n", "Plant"},
        {"restart=Other\r\nstart=Plant\r\n", "Plant"},
        {"[startup]\r\nx start=Other\r\n", ""},
        {"start =Plant\r\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InitialFile::lastSystem(c.text), c.name) << c.text;
}

TEST(InitialFile, WritesTheStartupSection)
{
    EXPECT_EQ(InitialFile::write("Plant"), "[startup]\r\nstart=Plant\r\n");
    EXPECT_EQ(InitialFile::lastSystem(InitialFile::write("R-4000")), "R-4000");
}

} // namespace
