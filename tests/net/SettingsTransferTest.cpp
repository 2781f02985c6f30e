// Every unit at once against simulated units: uploads, downloads and the maintenance jobs.
#include "SettingsTransfer.h"

#include "Maintenance.h"
#include "PasswordCodec.h"
#include "PosixFileOps.h"
#include "SystemFolder.h"
#include "UnitsFixture.h"

#include <chrono>
#include <filesystem>
#include <map>

namespace {

using SettingsTransferTest = UnitsFixture;
constexpr auto kBlocking = AllUnitRun::WaitMode::Blocking;

TEST_F(SettingsTransferTest, UploadToEightyUnitsNamesExactlyTheThreeThatAreDown)
{
    addUnits(80);
    ASSERT_TRUE(startUnits({{7, "unreachable"}, {33, "unreachable"}, {80, "unreachable"}}));
    options.cgi.connectTimeoutMs = 500;
    const auto report = SettingsTransfer::uploadAll(system, {system, &prompt, options}, kBlocking);
    EXPECT_EQ(report.failures, "\nEX7 (id=7 ,198.18.0.17)"
                               "\nEX33 (id=33 ,198.18.0.43)"
                               "\nEX80 (id=80 ,198.18.0.90)");
    EXPECT_EQ(std::count(report.results.begin(), report.results.end(), true), 77);
    EXPECT_EQ(state(1, "resets"), "1");
}

TEST_F(SettingsTransferTest, UnitWithOtherCredentialsTakesTheSystemsWithTheUpload)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "upload-reply=OK"}}, "R-4000", "r4000"));
    const auto report = SettingsTransfer::uploadAll(system, {system, &prompt, options}, kBlocking);
    EXPECT_TRUE(report.failures.empty());
    // Logged in with the factory credentials, sent the system's own with them.
    EXPECT_EQ(loggedIn(1).back(), "POST /file_upload.cgi auth=R-4000");
    EXPECT_EQ(unit(1).systemName(), "Tower");
    EXPECT_EQ(unit(1).password(), system.password());
}

TEST_F(SettingsTransferTest, DownloadKeepsTheLocalFileOfAUnitThatFails)
{
    addUnits(2);
    PosixFileOps files;
    std::string error;
    SystemFolder folder(files, SystemFolder::folderFor(temp.path(), "Tower"), "Tower");
    ASSERT_TRUE(folder.save(system, kStamp, error)) << error;
    std::string localTwo;
    ASSERT_TRUE(files.readFile(folder.folder() + "/002.cfg", localTwo));

    // Unit 1 holds settings that differ from the local ones: a new name.
    ASSERT_TRUE(unit(1).setExchangeName("Lobby"));
    ASSERT_TRUE(startUnits({{2, "unreachable"}}));
    ASSERT_TRUE(client(1).uploadOwnSettings());
    ASSERT_TRUE(restarted(1, 1));
    ASSERT_TRUE(unit(1).setExchangeName("EX1"));

    options.cgi.connectTimeoutMs = 500;
    const auto report = SettingsTransfer::downloadAll(system, {system, &prompt, options}, files,
                                                      temp.path(), kBlocking, 0, error);
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(report.failures, "\nEX2(id=2 ,198.18.0.12)");
    EXPECT_EQ(system.equipment(1)->exchangeName(), "Lobby");
    std::string nowTwo;
    ASSERT_TRUE(files.readFile(folder.folder() + "/002.cfg", nowTwo));
    EXPECT_EQ(nowTwo, localTwo);
    EXPECT_EQ(system.registeredCount(), 2);
}

// Every unit is fetched at once: slow units cost the time of the slowest, not their sum.
// Four units that each take 0.8 s per answer need about 1.6 s (check and file); one after
// the other they would need over 4 s.
TEST_F(SettingsTransferTest, DownloadFetchesEveryUnitAtOnce)
{
    addUnits(4);
    PosixFileOps files;
    std::string error;
    SystemFolder folder(files, SystemFolder::folderFor(temp.path(), "Tower"), "Tower");
    ASSERT_TRUE(folder.save(system, kStamp, error)) << error;
    ASSERT_TRUE(startUnits());
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(client(n).uploadOwnSettings());
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(restarted(n, 1));
    std::map<int, std::string> slow;
    for (int n = 1; n <= 4; ++n)
        slow[n] = "delay-ms=800";
    ASSERT_TRUE(startUnits(slow));

    const auto start = std::chrono::steady_clock::now();
    const auto report = SettingsTransfer::downloadAll(system, {system, &prompt, options}, files,
                                                      temp.path(), kBlocking, 0, error);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_TRUE(report.failures.empty()) << report.failures;
    EXPECT_LT(took, std::chrono::milliseconds(3200));
    EXPECT_EQ(system.registeredCount(), 4);
}

TEST_F(SettingsTransferTest, RenamingTheSystemMovesItsFolderAndFailedUnitsKeepTheirCredentials)
{
    addUnits(2);
    PosixFileOps files;
    std::string error;
    SystemFolder old(files, SystemFolder::folderFor(temp.path(), "Tower"), "Tower");
    ASSERT_TRUE(old.save(system, kStamp, error)) << error;
    ASSERT_TRUE(files.writeFile(old.folder() + "/scan.csv", "kept"));
    ASSERT_TRUE(startUnits({{2, "unreachable"}}));
    options.cgi.connectTimeoutMs = 500;

    const Maintenance::Previous previous{system.systemName(), system.password(),
                                         system.maintenancePassword()};
    ASSERT_TRUE(system.setSystemName("Annex"));
    ASSERT_TRUE(system.setPassword(PasswordCodec::encode("fresh", "Annex")));
    const auto outcome = Maintenance::changePassword(system, previous, {system, &prompt, options},
                                                     files, temp.path(), kStamp, kBlocking);
    EXPECT_TRUE(outcome.sent);
    EXPECT_TRUE(outcome.error.empty()) << outcome.error;
    EXPECT_EQ(outcome.report.failures, "\nEX2 (id=2 ,198.18.0.12)");
    EXPECT_EQ(unit(1).systemName(), "Annex");
    EXPECT_EQ(unit(2).systemName(), "Tower");
    EXPECT_EQ(unit(2).password(), previous.storedPassword);
    ASSERT_TRUE(restarted(1, 1));
    EXPECT_EQ(state(1, "name"), "Annex");

    const std::string folder = SystemFolder::folderFor(temp.path(), "Annex");
    EXPECT_TRUE(files.exists(folder + "/Annex.sys"));
    EXPECT_FALSE(files.exists(folder + "/Tower.sys"));
    EXPECT_TRUE(files.exists(folder + "/scan.csv"));
    EXPECT_FALSE(files.exists(old.folder()));
}

TEST_F(SettingsTransferTest, ClockOnAllUnitsBringsStrayCredentialsInLine)
{
    addUnits(2);
    // Unit 1 still has credentials of its own, which the model knows.
    ASSERT_TRUE(unit(1).setSystemName("Old"));
    ASSERT_TRUE(unit(1).setPassword(PasswordCodec::encode("old", "Old")));
    ASSERT_TRUE(startUnits({{1, "name=Old,password=old"}, {2, "refuse-login"}}));
    const auto report = Maintenance::setClockOnAll(system, {system, &prompt, options}, kBlocking);
    EXPECT_EQ(report.failures, "\nEX2 (id=2 ,198.18.0.12)");
    EXPECT_NE(state(1, "clock_yy"), "");
    ASSERT_TRUE(restarted(1, 1));
    EXPECT_EQ(state(1, "name"), "Tower");
    EXPECT_EQ(state(1, "password"), "secret");
    EXPECT_EQ(unit(1).systemName(), "Tower");
}

} // namespace
