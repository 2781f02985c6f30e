// A save that stops part way, because one file operation failed or because the process
// died, must leave a folder that loads as the old system or as the new one, never as a
// mix of both, and must never touch the files other parts of the tool keep in the folder.

#include "DataFolder.h"
#include "Exchange.h"
#include "FileOps.h"
#include "PosixFileOps.h"
#include "R4000System.h"
#include "Station.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kStamp = "2026/12/10 12:00:00";
constexpr const char* kName = "Plant";

// Files of the message, list and scan tools that live in the system folder.
const std::map<std::string, std::string>& otherFiles()
{
    static const std::map<std::string, std::string> files = {
        {"msglist.csv", "1,Fire alarm,msg001.pmf\r\n2,Closing time,\r\n"},
        {"scan.csv", "192.168.1.11,R-4100EX,00:11:22:33:44:55\r\n"},
        {"msg001.pmf", std::string("PMF\0\x01\xfe\xff\r\n\0tail", 14)},
    };
    return files;
}

// FileOps on the real file system with faults placed by the number of the mutating
// operation (write, rename, remove, mkdir, rmdir, sync; counted from 1, 0 for none). At
// failAt that one operation fails and the ones after it run, so the save can clean up.
// From crashAt on every operation fails, reads included, as if the process had died there.
// The write that fails or crashes leaves the first half of its data behind, as a torn
// write would.
class FaultyFileOps : public FileOps
{
public:
    enum class Mode { FailOnce, Crash };

    FaultyFileOps(int failAt, int crashAt) : failAt_(failAt), crashAt_(crashAt) {}
    // Only operation k fails, or the process dies at k.
    FaultyFileOps(int k, Mode mode)
        : FaultyFileOps(mode == Mode::FailOnce ? k : 0, mode == Mode::Crash ? k : 0)
    {
    }

    int mutations() const { return mutations_; }
    bool hit() const { return !faults_.empty(); }
    bool crashed() const { return dead_; }
    // The operations that failed, for the test's messages.
    const std::string& faults() const { return faults_; }

    using FileOps::readFile;
    bool readFile(const std::string& path, std::string& data, std::size_t limit) override
    {
        return !dead_ && real_.readFile(path, data, limit);
    }
    bool writeFile(const std::string& path, std::string_view data) override
    {
        switch (fate("write " + path)) {
        case Fate::Run:
            return real_.writeFile(path, data);
        case Fate::Fail:
            real_.writeFile(path, data.substr(0, data.size() / 2));
            return false;
        case Fate::Dead:
            break;
        }
        return false;
    }
    bool rename(const std::string& from, const std::string& to) override
    {
        return fate("rename " + from + " -> " + to) == Fate::Run && real_.rename(from, to);
    }
    bool removeFile(const std::string& path) override
    {
        return fate("remove " + path) == Fate::Run && real_.removeFile(path);
    }
    bool makeDirectory(const std::string& path) override
    {
        return fate("mkdir " + path) == Fate::Run && real_.makeDirectory(path);
    }
    bool removeDirectory(const std::string& path) override
    {
        return fate("rmdir " + path) == Fate::Run && real_.removeDirectory(path);
    }
    bool syncDirectory(const std::string& path) override
    {
        return fate("sync " + path) == Fate::Run && real_.syncDirectory(path);
    }
    bool list(const std::string& path, std::vector<std::string>& names) override
    {
        return !dead_ && real_.list(path, names);
    }
    bool isDirectory(const std::string& path) override { return !dead_ && real_.isDirectory(path); }
    bool isLink(const std::string& path) override { return !dead_ && real_.isLink(path); }
    bool exists(const std::string& path) override { return !dead_ && real_.exists(path); }

private:
    enum class Fate { Run, Fail, Dead };

    Fate fate(const std::string& what)
    {
        if (dead_)
            return Fate::Dead;
        ++mutations_;
        if (mutations_ == crashAt_) {
            dead_ = true;
            faults_ += "crash at " + what + "; ";
            return Fate::Fail;
        }
        if (mutations_ == failAt_) {
            faults_ += "fail " + what + "; ";
            return Fate::Fail;
        }
        return Fate::Run;
    }

    PosixFileOps real_;
    int failAt_;
    int crashAt_;
    int mutations_ = 0;
    bool dead_ = false;
    std::string faults_;
};

// Units of the given models in slots 1.., with addresses, names and the first two
// stations of each unit numbered from numberBase.
void populate(R4000System& sys, std::initializer_list<const char*> models,
              const std::string& network, const std::string& prefix, int numberBase)
{
    ASSERT_TRUE(sys.setSystemName(kName));
    int n = 0;
    for (const char* model : models) {
        ++n;
        Exchange* unit = sys.insertEquipment(n, model);
        ASSERT_NE(unit, nullptr) << model;
        ASSERT_TRUE(unit->setIpAddressText(network + std::to_string(10 + n)));
        ASSERT_TRUE(unit->setSubnetMaskText("255.255.255.0"));
        if (unit->isExchange()) {
            ASSERT_TRUE(unit->setExchangeName(prefix + std::to_string(n)));
        }
        for (int line = 1; line <= std::min(2, unit->stationCount()); ++line) {
            if (unit->isExchange()) {
                ASSERT_TRUE(unit->changeStationModel(line, "R-4100MS"));
            }
            Station& station = *unit->station(line);
            ASSERT_TRUE(station.setNumber(std::to_string(numberBase + 10 * n + line)));
            ASSERT_TRUE(station.setName(prefix + std::to_string(10 * n + line)));
        }
    }
}

// Every file a save of the system would write, as one text.
std::string rendered(System& system)
{
    std::string all;
    for (const SystemFolder::File& file : SystemFolder::render(system, kStamp))
        all += "== " + file.name + "\n" + file.text;
    return all;
}

std::set<std::string> listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What a finished save of a system with that many units leaves in the folder.
std::set<std::string> expectedFiles(int units)
{
    std::set<std::string> names = {std::string(kName) + ".sys"};
    for (int n = 1; n <= units; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.cfg", n);
        names.insert(name);
    }
    for (const auto& [name, text] : otherFiles())
        names.insert(name);
    return names;
}

std::string contents(const std::string& path)
{
    std::string data;
    PosixFileOps().readFile(path, data);
    return data;
}

class SaveCrashSafetyTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp_.ok());

        // The old system on disk, with the other tools' files.
        R4000System old{Locale::fromCode("en")};
        ASSERT_NO_FATAL_FAILURE(populate(old, {"R-4100EX", "R-4100MI", "R-4700MS", "R-4120EX"},
                                         "192.168.1.", "Old", 0));
        PosixFileOps files;
        std::string error;
        ASSERT_TRUE(SystemFolder(files, pristine_, kName).save(old, kStamp, error)) << error;
        for (const auto& [name, text] : otherFiles())
            ASSERT_TRUE(files.writeFile(pristine_ + "/" + name, text));

        // The old system is what that folder loads as.
        restore();
        R4000System loaded;
        ASSERT_TRUE(SystemFolder(files, work_, kName).load(loaded, error)) << error;
        ASSERT_EQ(loaded.registeredCount(), 4);
        oldText_ = rendered(loaded);

        ASSERT_NO_FATAL_FAILURE(
            populate(next_, {"R-4120EX", "R-4760DS", "R-4100EX"}, "10.20.0.", "New", 50));
        ASSERT_TRUE(next_.setMulticastPort(7000));
        newText_ = rendered(next_);
        ASSERT_NE(oldText_, newText_);
    }

    // The work folder as it was before any save.
    void restore()
    {
        fs::remove_all(work_);
        fs::copy(pristine_, work_, fs::copy_options::recursive);
    }

    // 'O' when the folder loads as the old system, 'N' as the new one, '?' otherwise.
    char loadedAs(R4000System& loaded)
    {
        PosixFileOps files;
        std::string error;
        if (!SystemFolder(files, work_, kName).load(loaded, error)) {
            ADD_FAILURE() << "load failed: " << error;
            return '?';
        }
        const std::string text = rendered(loaded);
        return text == oldText_ ? 'O' : text == newText_ ? 'N' : '?';
    }

    void expectOtherFilesUntouched()
    {
        for (const auto& [name, text] : otherFiles())
            EXPECT_EQ(contents(work_ + "/" + name), text) << name;
    }

    // The mutating operations of a save that nothing disturbs.
    int cleanSaveSteps()
    {
        restore();
        FaultyFileOps counter(0, 0);
        std::string error;
        EXPECT_TRUE(SystemFolder(counter, work_, kName).save(next_, kStamp, error)) << error;
        return counter.mutations();
    }

    // Saves the new system over the old folder through faulty, which must make the save
    // fail, then loads the folder: 'O' or 'N' for the system it loads as.
    char saveThrough(FaultyFileOps& faulty, R4000System& loaded)
    {
        restore();
        std::string error;
        const bool saved = SystemFolder(faulty, work_, kName).save(next_, kStamp, error);
        SCOPED_TRACE(faulty.faults());
        EXPECT_TRUE(faulty.hit());
        EXPECT_FALSE(saved);
        EXPECT_FALSE(error.empty());

        const char as = loadedAs(loaded);
        EXPECT_NE(as, '?') << "the folder loads as neither the old nor the new system";
        expectOtherFilesUntouched();
        return as;
    }

    TempFolder temp_;
    const std::string dir_ = temp_.path();
    const std::string work_ = dir_ + "/" + kName;
    const std::string pristine_ = dir_ + "/pristine";
    std::string oldText_;
    std::string newText_;
    R4000System next_{Locale::fromCode("en")};
};

TEST_F(SaveCrashSafetyTest, CleanSaveReplacesTheUnitFilesOnly)
{
    PosixFileOps files;
    std::string error;
    ASSERT_TRUE(SystemFolder(files, work_, kName).save(next_, kStamp, error)) << error;
    EXPECT_TRUE(error.empty()) << error;

    // 004.cfg of the old system is gone.
    EXPECT_EQ(listing(work_), expectedFiles(3));
    expectOtherFilesUntouched();
    R4000System loaded;
    EXPECT_EQ(loadedAs(loaded), 'N');
}

TEST_F(SaveCrashSafetyTest, SaveCreatesAFolderThatDoesNotExistYet)
{
    fs::remove_all(work_);
    const std::string nested = dir_ + "/data/" + kName;
    PosixFileOps files;
    std::string error;
    ASSERT_TRUE(SystemFolder(files, nested, kName).save(next_, kStamp, error)) << error;

    std::set<std::string> expected = expectedFiles(3);
    for (const auto& [name, text] : otherFiles())
        expected.erase(name);
    EXPECT_EQ(listing(nested), expected);
    R4000System loaded;
    ASSERT_TRUE(SystemFolder(files, nested, kName).load(loaded, error)) << error;
    EXPECT_EQ(rendered(loaded), newText_);
}

class SaveFailureTest : public SaveCrashSafetyTest,
                        public testing::WithParamInterface<FaultyFileOps::Mode>
{
};

// Fails each mutating step of a save in turn. A save with a failed step always reports
// failure, also when the step was only cleanup after the point of no return: the folder
// then loads as the new system and the next load or save finishes the job. Whatever
// failed, the folder loads as one whole system, first the old one, then, from one step
// on, the new one; and a save after that load leaves exactly the files it should.
TEST_P(SaveFailureTest, EveryStepLeavesTheOldOrTheNewSystem)
{
    const int steps = cleanSaveSteps();
    // At least: the staged files, the commit and their moves into place.
    ASSERT_GE(steps, 2 * 4 + 1);

    std::string outcomes;
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE("step " + std::to_string(k));
        FaultyFileOps faulty(k, GetParam());
        R4000System loaded;
        outcomes += saveThrough(faulty, loaded);

        PosixFileOps files;
        std::string error;
        ASSERT_TRUE(SystemFolder(files, work_, kName).save(loaded, kStamp, error)) << error;
        EXPECT_EQ(listing(work_), expectedFiles(loaded.registeredCount()));
        expectOtherFilesUntouched();
    }

    // One point of no return: old before it, new from it on, and both reached.
    const std::size_t turn = outcomes.find('N');
    EXPECT_TRUE(turn != std::string::npos && turn > 0 && outcomes.find_first_not_of('O') == turn &&
                outcomes.find_first_not_of('N', turn) == std::string::npos)
        << "outcome per step (O old, N new): " << outcomes;
}

INSTANTIATE_TEST_SUITE_P(Modes, SaveFailureTest,
                         testing::Values(FaultyFileOps::Mode::FailOnce, FaultyFileOps::Mode::Crash),
                         [](const testing::TestParamInfo<FaultyFileOps::Mode>& info) {
                             return info.param == FaultyFileOps::Mode::Crash ? "Crash" : "FailOnce";
                         });

// A save whose step failed cleans up after itself; the process dying at any step of that
// cleanup must not leave a mix either.
TEST_F(SaveCrashSafetyTest, CrashWhileAFailedSaveCleansUp)
{
    const int steps = cleanSaveSteps();
    for (int k = 1; k <= steps; ++k) {
        for (int crash = k + 1;; ++crash) {
            SCOPED_TRACE("fail at " + std::to_string(k) + ", crash at " + std::to_string(crash));
            FaultyFileOps faulty(k, crash);
            R4000System loaded;
            saveThrough(faulty, loaded);
            if (!faulty.crashed())
                break; // the failed save had finished before that step
        }
    }
}

// A settings file that does not load as the unit its name says stops the load with its name
// and the reason: skipped, it would renumber the units after it, and the next save would make
// the loss permanent.
TEST_F(SaveCrashSafetyTest, SettingsFileThatIsNotItsUnitsIsReported)
{
    PosixFileOps files;
    std::string unit3;
    ASSERT_TRUE(files.readFile(work_ + "/003.cfg", unit3));
    const struct {
        const char* name;
        std::string text;
        const char* why;
    } cases[] = {
        {"empty", "", "is no settings file of a unit"},
        {"binary", std::string("\0\x01\x02[system]\r\nex_id=2\r\nex_type=R-4100MI\r\n", 39),
         "is no settings file of a unit"},
        {"NUL before the network", std::string("\0", 1) + unit3, "is no settings file of a unit"},
        {"another unit's", unit3, "is the settings file of unit 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restore();
        ASSERT_TRUE(files.writeFile(work_ + "/002.cfg", c.text));
        R4000System loaded;
        std::string error;
        EXPECT_FALSE(SystemFolder(files, work_, kName).load(loaded, error));
        EXPECT_EQ(error, work_ + "/002.cfg: " + c.why);
    }
    restore();
    ASSERT_TRUE(files.writeFile(work_ + "/notes.cfg", "mine"));
    R4000System loaded;
    std::string error;
    EXPECT_FALSE(SystemFolder(files, work_, kName).load(loaded, error));
    EXPECT_NE(error.find("notes.cfg: is not named as a unit's settings file"), std::string::npos);
}

// A rename (a new system name) moves the folder with the system, as safely as a save: at
// every step a fault or a crash may hit, the data folder holds the old system under the old
// name or the new one under the new name, whole, with the other tools' files beside it.
class RenameTest : public SaveCrashSafetyTest,
                   public testing::WithParamInterface<FaultyFileOps::Mode>
{
protected:
    void SetUp() override
    {
        SaveCrashSafetyTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(
            populate(renamed_, {"R-4120EX", "R-4760DS", "R-4100EX"}, "10.20.0.", "New", 50));
        ASSERT_TRUE(SystemCredentials::apply(renamed_, kNewName, "secret", "secret").ok());
        renamedText_ = rendered(renamed_);
    }

    void restoreData()
    {
        restore();
        fs::remove_all(dir_ + "/" + kNewName);
    }

    // 'O' or 'N' for the one system the data folder holds, '?' for anything else.
    char dataHolds()
    {
        PosixFileOps files;
        const auto known = DataFolder::knownSystems(files, dir_);
        if (known.size() != 1) {
            ADD_FAILURE() << known.size() << " systems listed";
            return '?';
        }
        const std::string name = known.begin()->first;
        const std::string folder = dir_ + "/" + name;
        R4000System loaded;
        std::string error;
        if (!SystemFolder(files, folder, name).load(loaded, error)) {
            ADD_FAILURE() << "load failed: " << error;
            return '?';
        }
        for (const auto& [file, text] : otherFiles())
            EXPECT_EQ(contents(folder + "/" + file), text) << file;
        const std::string text = rendered(loaded);
        if (name == kName && text == oldText_)
            return 'O';
        if (name == kNewName && text == renamedText_ &&
            listing(folder) == expectedRenamedFiles(3, kNewName))
            return 'N';
        ADD_FAILURE() << "system " << name << " is a mix";
        return '?';
    }

    static std::set<std::string> expectedRenamedFiles(int units, const std::string& name)
    {
        std::set<std::string> names = expectedFiles(units);
        names.erase(std::string(kName) + ".sys");
        names.insert(name + ".sys");
        return names;
    }

    static constexpr const char* kNewName = "Plant2";
    R4000System renamed_{Locale::fromCode("en")};
    std::string renamedText_;
};

TEST_P(RenameTest, EveryStepLeavesTheOldOrTheNewSystem)
{
    restoreData();
    FaultyFileOps counter(0, 0);
    std::string error;
    ASSERT_TRUE(SystemFolder::saveRenamed(counter, dir_, kName, renamed_, kStamp, error)) << error;
    EXPECT_EQ(dataHolds(), 'N');
    const int steps = counter.mutations();

    std::string outcomes;
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE("step " + std::to_string(k));
        restoreData();
        FaultyFileOps faulty(k, GetParam());
        EXPECT_FALSE(SystemFolder::saveRenamed(faulty, dir_, kName, renamed_, kStamp, error));
        SCOPED_TRACE(faulty.faults());
        outcomes += dataHolds();
    }
    const std::size_t turn = outcomes.find('N');
    EXPECT_TRUE(turn != std::string::npos && turn > 0 && outcomes.find_first_not_of('O') == turn &&
                outcomes.find_first_not_of('N', turn) == std::string::npos)
        << "outcome per step (O old, N new): " << outcomes;
}

INSTANTIATE_TEST_SUITE_P(Modes, RenameTest,
                         testing::Values(FaultyFileOps::Mode::FailOnce, FaultyFileOps::Mode::Crash),
                         [](const testing::TestParamInfo<FaultyFileOps::Mode>& info) {
                             return info.param == FaultyFileOps::Mode::Crash ? "Crash" : "FailOnce";
                         });

// A folder of the new name that is no system (another tool's, another user's) is refused
// before anything is written, and neither folder changes; nor is a link followed to remove
// what it points at.
TEST_F(SaveCrashSafetyTest, RenameOntoAnExistingFolderOrThroughALinkIsRefused)
{
    PosixFileOps files;
    R4000System renamed{Locale::fromCode("en")};
    ASSERT_TRUE(SystemCredentials::apply(renamed, "Plant2", "secret", "secret").ok());
    const std::string foreign = dir_ + "/Plant2";
    fs::create_directories(foreign);
    ASSERT_TRUE(files.writeFile(foreign + "/notes.txt", "mine"));
    std::string error;
    EXPECT_FALSE(SystemFolder::saveRenamed(files, dir_, kName, renamed, kStamp, error));
    EXPECT_NE(error.find("exists already"), std::string::npos) << error;
    EXPECT_EQ(listing(foreign), std::set<std::string>{"notes.txt"});
    EXPECT_EQ(contents(foreign + "/notes.txt"), "mine");
    R4000System loaded;
    EXPECT_EQ(loadedAs(loaded), 'O');
    expectOtherFilesUntouched();

    // A link named like the staging folder, pointing at a folder outside: a load refuses it
    // and removes nothing there.
    const std::string outside = dir_ + "/outside";
    fs::create_directories(outside);
    ASSERT_TRUE(files.writeFile(outside + "/COMMIT", ""));
    ASSERT_TRUE(files.writeFile(outside + "/keep.txt", "keep"));
    fs::create_symlink(outside, work_ + "/.r4000-save");
    R4000System again;
    EXPECT_FALSE(SystemFolder(files, work_, kName).load(again, error));
    EXPECT_FALSE(SystemFolder(files, work_, kName).save(next_, kStamp, error));
    EXPECT_EQ(listing(outside), (std::set<std::string>{"COMMIT", "keep.txt"}));
}

} // namespace
