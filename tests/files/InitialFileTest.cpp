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
        // The name is what follows the line's first six characters, wherever "start=" is.
        {"  start=Plant\r\n", "t=Plant"},
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
