#include "SystemCredentials.h"

#include "Exchange.h"
#include "PasswordCodec.h"
#include "R4000System.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

using Result = SystemCredentials::Result;

constexpr const char* kMismatch = "Enter the same password twice.";
constexpr const char* kBadName = "Enter using up to 15 characters. (except \\/:,;*?\"<>|)";
constexpr const char* kBadPassword = "Enter using up to 15 characters.";

struct CredentialsCase {
    const char* name;
    std::string password;
    std::string reentry;
    Result result;
    const char* message;
    bool trimmed;
    const char* trimmedName;
};

std::ostream& operator<<(std::ostream& out, const CredentialsCase& c)
{
    return out << "'" << c.name << "' / '" << c.password << "' / '" << c.reentry << "'";
}

class SystemCredentialsTest : public testing::TestWithParam<CredentialsCase>
{
protected:
    void SetUp() override
    {
        ASSERT_NE(sys.insertEquipment(1, "R-4100EX"), nullptr);
        // A named system, so that a refusal is seen to restore this name, not the default.
        ASSERT_TRUE(sys.setSystemName("Old"));
        oldStored = PasswordCodec::encode("oldpass", "Old");
        ASSERT_TRUE(sys.setPassword(oldStored));
    }

    R4000System sys{Locale::english()};
    std::string oldStored;
};

TEST_P(SystemCredentialsTest, FollowsTheSaveDialogSteps)
{
    const CredentialsCase& c = GetParam();
    const SystemCredentials::Outcome outcome =
        SystemCredentials::apply(sys, c.name, c.password, c.reentry);

    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.ok(), c.result == Result::Ok);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.trimmed, c.trimmed);
    EXPECT_EQ(outcome.name, c.trimmedName);

    const bool ok = c.result == Result::Ok;
    const std::string name = ok ? c.trimmedName : "Old";
    const std::string stored = ok ? PasswordCodec::encode(c.password, c.trimmedName) : oldStored;
    EXPECT_EQ(sys.systemName(), name);
    EXPECT_EQ(sys.password(), stored);
    if (ok) {
        EXPECT_EQ(sys.plainPassword(), c.password);
    }
    // Every slot, the unit in use and the placeholders, follows only on success.
    for (int n = 1; n <= sys.maxEquipment(); ++n) {
        const Exchange& unit = *sys.equipment(n);
        ASSERT_EQ(unit.systemName(), ok ? name : "R-4000") << "slot " << n;
        ASSERT_EQ(unit.password(), ok ? stored : PasswordCodec::kDefaultStored) << "slot " << n;
    }
}

const std::string k15 = "abcdefghijklmno";
const std::string k16 = k15 + "p";

INSTANTIATE_TEST_SUITE_P(
    Cases, SystemCredentialsTest,
    testing::Values(
        CredentialsCase{"Plant", "secret", "secret", Result::Ok, "", false, "Plant"},
        CredentialsCase{"  Plant ", "secret", "secret", Result::Ok, "", true, "Plant"},
        CredentialsCase{"\tBig Plant\r\n", "pw", "pw", Result::Ok, "", true, "Big Plant"},
        CredentialsCase{"Plant", k15, k15, Result::Ok, "", false, "Plant"},
        // Password and re-entry are compared exactly, before the name is looked at.
        CredentialsCase{"Plant", "secret", "Secret", Result::PasswordMismatch, kMismatch, false,
                        "Plant"},
        CredentialsCase{"a/b", "secret", "secret ", Result::PasswordMismatch, kMismatch, false,
                        "a/b"},
        CredentialsCase{"a/b", "secret", "secret", Result::NameRefused, kBadName, false, "a/b"},
        CredentialsCase{" x|y ", "secret", "secret", Result::NameRefused, kBadName, true, "x|y"},
        CredentialsCase{"   ", "secret", "secret", Result::NameRefused, kBadName, true, ""},
        CredentialsCase{"ABCDEFGHIJKLMNOP", "secret", "secret", Result::NameRefused, kBadName,
                        false, "ABCDEFGHIJKLMNOP"},
        // The codec keeps fifteen characters; a sixteenth must not slip through.
        CredentialsCase{"Plant", k16, k16, Result::PasswordRefused, kBadPassword, false, "Plant"},
        CredentialsCase{"Plant", "", "", Result::PasswordRefused, kBadPassword, false, "Plant"},
        CredentialsCase{"Plant", "p\xe4ss", "p\xe4ss", Result::PasswordRefused, kBadPassword, false,
                        "Plant"},
        CredentialsCase{"Plant", "a\tb", "a\tb", Result::PasswordRefused, kBadPassword, false,
                        "Plant"}));

// A name the user then does not want (another system has it) is taken back whole: the
// system and every slot, including a unit whose own credentials differ from the system's.
TEST(SystemCredentialsKept, RestoreUndoesApply)
{
    R4000System sys{Locale::english()};
    ASSERT_NE(sys.insertEquipment(1, "R-4100EX"), nullptr);
    ASSERT_NE(sys.insertEquipment(2, "R-4100EX"), nullptr);
    ASSERT_TRUE(sys.equipment(2)->setSystemName("Factory"));
    const std::string before = sys.password();
    const SystemCredentials::Kept kept = SystemCredentials::keep(sys);

    ASSERT_TRUE(SystemCredentials::apply(sys, "Tower", "secret", "secret").ok());
    SystemCredentials::restore(sys, kept);

    EXPECT_EQ(sys.systemName(), "R-4000");
    EXPECT_EQ(sys.password(), before);
    for (int n = 1; n <= sys.maxEquipment(); ++n) {
        ASSERT_EQ(sys.equipment(n)->systemName(), n == 2 ? "Factory" : "R-4000") << "slot " << n;
        ASSERT_EQ(sys.equipment(n)->password(), before) << "slot " << n;
    }
}

} // namespace
