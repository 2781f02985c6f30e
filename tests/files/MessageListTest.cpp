// Which message each IP master station is given: msglist.csv, the catalogue of standard
// and own messages, and the stations' assignments.
#include "Exchange.h"
#include "MessageAssignments.h"
#include "MessageCatalog.h"
#include "MessageFolder.h"
#include "MessageListFile.h"
#include "PosixFileOps.h"
#include "R4000System.h"
#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

void touch(const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << "x";
}

TEST(MessageListFile, WritesTheJapaneseHeaderAndOneCrLfLinePerStation)
{
    const std::string text = MessageListFile::write(
        {{"2", "Chime", "/data/Tower/Message/Chime.pmf"}, {"5", "Gate", "/std/Gate.pmf"}});
    // "No.,メッセージ名,パス" in code page 932, whatever the language.
    EXPECT_EQ(text, "No.,\x83\x81\x83\x62\x83\x5a\x81\x5b\x83\x57\x96\xbc,\x83\x70\x83\x58\r\n"
                    "2,Chime,/data/Tower/Message/Chime.pmf\r\n"
                    "5,Gate,/std/Gate.pmf\r\n");
    const auto entries = MessageListFile::read(text);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].number, "5");
    EXPECT_EQ(entries[1].title, "Gate");
    EXPECT_EQ(entries[1].path, "/std/Gate.pmf");
}

TEST(MessageListFile, ReadsWhatAnEditorOrAnOddNameMayLeave)
{
    struct Case {
        const char* line;
        const char* number;
        const char* title;
        const char* path;
    };
    const Case cases[] = {
        // A title holding commas ends where the path naming its file begins.
        {"3,Hall, east,/d/T/Message/Hall, east.pmf", "3", "Hall, east",
         "/d/T/Message/Hall, east.pmf"},
        // Without such a path, the first comma ends it.
        {"3,Hall,east,/elsewhere.pmf", "3", "Hall", "east,/elsewhere.pmf"},
        {"4,Only a title", "4", "Only a title", ""},
        // A double-byte title whose second bytes look like ASCII: "ソ" is 83 5C.
        {"6,\x83\x5c,/d/\x83\x5c.pmf", "6", "\x83\x5c", "/d/\x83\x5c.pmf"},
    };
    for (const Case& c : cases) {
        // LF alone ends a line too, and the header is whatever the first line holds.
        const auto entries = MessageListFile::read(std::string("header\n") + c.line + "\n");
        ASSERT_EQ(entries.size(), 1u) << c.line;
        EXPECT_EQ(entries[0].number, c.number) << c.line;
        EXPECT_EQ(entries[0].title, c.title) << c.line;
        EXPECT_EQ(entries[0].path, c.path) << c.line;
    }
    EXPECT_TRUE(MessageListFile::read("No.,a,b\r\nno comma here\r\n\r\n").empty());
}

TEST(MessageCatalog, OwnMessagesComeFirstThenStandardOnesInTheOrderShown)
{
    TempFolder temp;
    const std::string standard = temp.path() + "/standard";
    const std::string own = temp.path() + "/own";
    touch(standard + "/B group/Bell.pmf");
    touch(standard + "/A group/Bell.PMF");
    touch(standard + "/A group/Deep/Gong.pmf");
    touch(standard + "/Top.pmf");
    touch(standard + "/notes.txt");
    touch(own + "/Top.pmf");
    touch(own + "/Line\nbreak.pmf");
    std::filesystem::create_directory_symlink(standard, standard + "/A group/Loop");

    PosixFileOps files;
    const MessageCatalog catalog = MessageCatalog::read(files, standard, own);
    EXPECT_EQ(catalog.find("Top"), own + "/Top.pmf");
    EXPECT_EQ(catalog.find("Bell"), standard + "/A group/Bell.PMF");
    EXPECT_EQ(catalog.find("Gong"), standard + "/A group/Deep/Gong.pmf");
    EXPECT_EQ(catalog.find("notes"), "");
    // A name that would break a line of msglist.csv is no message; a link is not followed.
    EXPECT_EQ(catalog.own().count("Line\nbreak"), 0u);
    ASSERT_EQ(catalog.standard().size(), 3u);
    EXPECT_EQ(catalog.standard()[0].name, "A group");
    EXPECT_EQ(catalog.standard()[0].children.size(), 2u) << "Deep and Bell, no Loop";
    EXPECT_EQ(catalog.standard()[2].name, "Top");
    EXPECT_FALSE(catalog.standard()[2].folder);

    const MessageCatalog none = MessageCatalog::read(files, temp.path() + "/no", own + "/no");
    EXPECT_EQ(none.find("Top"), "");
}

class MessageAssignmentsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // 1 exchange, 2 and 3 IP master stations, 4 an IP door station.
        const char* models[] = {"R-4100EX", "R-4700MS", "R-4700MS", "R-4760DS"};
        for (int n = 1; n <= 4; ++n)
            ASSERT_NE(system.insertEquipment(n, models[n - 1]), nullptr) << models[n - 1];
        touch(temp.path() + "/own/Chime.pmf");
        catalog = MessageCatalog::read(files, temp.path() + "/standard", temp.path() + "/own");
    }

    TempFolder temp;
    PosixFileOps files;
    R4000System system;
    MessageCatalog catalog;
};

TEST_F(MessageAssignmentsTest, OnlyMasterStationsHaveRowsAndTakeTheirLines)
{
    MessageAssignments assignments(system);
    ASSERT_EQ(assignments.rows().size(), 2u);
    EXPECT_EQ(assignments.rows()[0].unit, 2);
    EXPECT_EQ(assignments.rows()[1].unit, 3);

    // A number that matches no unit changes nothing.
    EXPECT_FALSE(
        assignments.apply({{"9", "Chime", "p"}, {"x", "Chime", "p"}, {"0", "Chime", "p"}}, system));
    EXPECT_EQ(assignments.rows()[0].title, "");
    EXPECT_FALSE(assignments.apply({{"3", "Chime", "p"}}, system));
    EXPECT_EQ(assignments.rows()[1].title, "Chime");
    // A line for a unit that cannot hold messages marks the list changed, and goes.
    EXPECT_TRUE(assignments.apply({{"1", "Chime", "p"}, {"4", "Chime", "p"}}, system));
    const auto lines = assignments.entries(catalog);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].number, "3");
    EXPECT_EQ(lines[0].path, temp.path() + "/own/Chime.pmf");
}

TEST_F(MessageAssignmentsTest, TransfersAreTheTickedStationsWhoseMessageExists)
{
    MessageAssignments assignments(system);
    assignments.setTitle(0, "Chime");
    assignments.setTitle(1, "Gone");
    EXPECT_TRUE(assignments.transfers(catalog).empty()) << "nothing ticked";
    assignments.setChecked(0, true);
    assignments.setChecked(1, true);
    const auto transfers = assignments.transfers(catalog);
    ASSERT_EQ(transfers.size(), 1u) << "a message found nowhere is skipped";
    EXPECT_EQ(transfers[0].unit, 2);
    EXPECT_EQ(assignments.entries(catalog).size(), 1u);
    assignments.clearChecks();
    EXPECT_TRUE(assignments.transfers(catalog).empty());
}

} // namespace
