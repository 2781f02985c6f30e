// Messages and the siren sent to the IP master stations, against simulated units.
#include "MessageTransfer.h"

#include "FileText.h"
#include "PosixFileOps.h"
#include "SettingsTransfer.h"
#include "UnitsFixture.h"

#include <algorithm>

namespace {

using MessageTransferTest = UnitsFixture;
constexpr auto kBlocking = AllUnitRun::WaitMode::Blocking;

// A message file's bytes; the units keep what they receive as it came.
std::string messageBytes(char fill, std::size_t size)
{
    std::string bytes(size, fill);
    bytes.replace(0, 14, "R-4000 message");
    return bytes;
}

TEST_F(MessageTransferTest, SeventyStationsEachGetTheirFileAndTheFailuresAreNamed)
{
    addUnits(70, "Tower", "secret", "R-4700MS");
    ASSERT_TRUE(startUnits({{5, "unreachable"}, {40, "unreachable"}}));
    options.cgi.connectTimeoutMs = 500;
    const std::string chime = temp.path() + "/Chime.pmf";
    const std::string gate = temp.path() + "/Gate.pmf";
    writeWholeFile(chime, messageBytes('\x01', 30000));
    writeWholeFile(gate, messageBytes('\xfe', 480204));

    std::vector<MessageAssignments::Transfer> transfers;
    for (int n = 1; n <= 70; ++n)
        transfers.push_back({n, n % 2 ? chime : gate});
    PosixFileOps files;
    const auto report =
        MessageTransfer::send(system, transfers, {system, &prompt, options}, files, kBlocking);
    EXPECT_EQ(report.failures, "\nEX5 (id=5 ,198.18.0.15)\nEX40 (id=40 ,198.18.0.50)");
    EXPECT_EQ(std::count(report.results.begin(), report.results.end(), true), 68);
    for (int n : {1, 2, 39, 70}) {
        // The body of the multipart upload, byte for byte.
        EXPECT_EQ(file(n, "messages/001.pmf"), readWholeFile(n % 2 ? chime : gate)) << n;
        EXPECT_EQ(file(n, "messages/002.pmf"), "") << "one message per unit";
    }
}

TEST_F(MessageTransferTest, OnlyTheChosenUnitsAreReachedAndAMissingFileFailsItsUnit)
{
    addUnits(3, "Tower", "secret", "R-4700MS");
    ASSERT_TRUE(startUnits());
    const std::string chime = temp.path() + "/Chime.pmf";
    writeWholeFile(chime, messageBytes('\x07', 1000));
    PosixFileOps files;
    const auto report = MessageTransfer::send(system, {{3, chime}, {2, temp.path() + "/gone.pmf"}},
                                              {system, &prompt, options}, files, kBlocking);
    // Results and failures follow the order of the transfers.
    EXPECT_EQ(report.results, (std::vector<bool>{true, false}));
    EXPECT_EQ(report.failures, "\nEX2 (id=2 ,198.18.0.12)");
    EXPECT_EQ(file(3, "messages/001.pmf"), readWholeFile(chime));
    EXPECT_EQ(file(2, "messages/001.pmf"), "");
    EXPECT_TRUE(log(1).empty()) << "unit 1 was not chosen";
}

TEST_F(MessageTransferTest, StationWithOtherCredentialsTakesTheSystemsAfterItsMessage)
{
    addUnits(1, "Tower", "secret", "R-4700MS");
    ASSERT_TRUE(startUnits({}, "R-4000", "r4000"));
    const std::string chime = temp.path() + "/Chime.pmf";
    writeWholeFile(chime, messageBytes('\x02', 500));
    PosixFileOps files;
    const auto report =
        MessageTransfer::send(system, {{1, chime}}, {system, &prompt, options}, files, kBlocking);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(file(1, "messages/001.pmf"), readWholeFile(chime));
    ASSERT_TRUE(restarted(1, 1));
    EXPECT_EQ(state(1, "name"), "Tower");
}

TEST_F(MessageTransferTest, NewSirenGoesToEveryUnit)
{
    addUnits(2, "Tower", "secret", "R-4700MS");
    ASSERT_TRUE(startUnits());
    // The units hold the whole settings file, which the message-paging part then changes.
    ASSERT_TRUE(SettingsTransfer::uploadAll(system, {system, &prompt, options}, kBlocking)
                    .failures.empty());
    for (int n : {1, 2})
        ASSERT_TRUE(restarted(n, 1));
    const auto report =
        MessageTransfer::changeSiren(system, 33, {system, &prompt, options}, kBlocking, 0);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(system.siren(), 33);
    for (int n : {1, 2}) {
        ASSERT_TRUE(restarted(n, 2));
        EXPECT_NE(file(n, "settings.cfg").find("siren_no=33"), std::string::npos) << n;
    }
}

} // namespace
