#include "SystemSelection.h"

#include "PasswordCodec.h"
#include "PosixFileOps.h"
#include "R4000System.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr const char* kNew = "(New System)";

class SystemSelectionTest : public testing::Test
{
protected:
    // A saved system; an empty password keeps the stored default.
    void makeSystem(const std::string& name, const std::string& password = "")
    {
        R4000System system;
        ASSERT_TRUE(system.setSystemName(name));
        if (!password.empty()) {
            ASSERT_TRUE(system.setPassword(PasswordCodec::encode(password, name)));
        }
        std::string error;
        ASSERT_TRUE(SystemFolder(files, SystemFolder::folderFor(dir, name), name)
                        .save(system, "2026/12/10 00:00:00", error))
            << error;
    }

    PosixFileOps files;
    TempFolder temp;
    const std::string dir = temp.path();
};

TEST_F(SystemSelectionTest, WithoutSystemsOnlyANewOneCanBeChosen)
{
    SystemSelection selection(files, dir, kNew);
    EXPECT_EQ(selection.entries(), std::vector<std::string>{kNew});
    const int entry = selection.initialEntry("Gone");
    EXPECT_EQ(entry, 0);
    EXPECT_FALSE(selection.passwordEnabled(entry));
    std::string name = "before";
    EXPECT_EQ(selection.accept(entry, "", name), SystemSelection::Result::Chosen);
    EXPECT_EQ(name, "") << "a new system";
}

TEST_F(SystemSelectionTest, SelectsTheFirstEntryBeginningWithTheCurrentName)
{
    makeSystem("plant2");
    makeSystem("Plant");
    makeSystem("Annex");
    std::filesystem::create_directory(dir + "/NotASystem");
    SystemSelection selection(files, dir, kNew);
    EXPECT_EQ(selection.entries(), (std::vector<std::string>{kNew, "Annex", "Plant", "plant2"}));
    EXPECT_EQ(selection.initialEntry("PLANT"), 2);
    EXPECT_EQ(selection.initialEntry("plant2"), 3);
    EXPECT_EQ(selection.initialEntry("Zeta"), 0);
    EXPECT_EQ(selection.initialEntry(""), 0);
    EXPECT_TRUE(selection.passwordEnabled(1));
}

TEST_F(SystemSelectionTest, AKnownSystemOpensWithItsPasswordOnly)
{
    makeSystem("Plant", "secret");
    makeSystem("Fresh");
    SystemSelection selection(files, dir, kNew);
    std::string name;
    EXPECT_EQ(selection.accept(2, "wrong", name), SystemSelection::Result::WrongPassword);
    EXPECT_EQ(selection.accept(2, "secret", name), SystemSelection::Result::Chosen);
    EXPECT_EQ(name, "Plant");
    // A system that still has the default password opens with it.
    EXPECT_EQ(selection.accept(1, std::string(PasswordCodec::kDefaultPlain), name),
              SystemSelection::Result::Chosen);
    EXPECT_EQ(name, "Fresh");
}

} // namespace
