#include "DataFolder.h"
#include "Exchange.h"
#include "FileText.h"
#include "FolderLock.h"
#include "MessageTestData.h"
#include "PasswordCodec.h"
#include "PosixFileOps.h"
#include "ProgramRun.h"
#include "R4000System.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kStamp = "2026/12/10 12:00:00";

std::string readAll(const fs::path& path)
{
    return readWholeFile(path.string());
}

// Every file and folder below root, by relative path, with the bytes of each file.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> tree;
    if (!fs::exists(root))
        return tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        // The lock file a command takes is no data of the system.
        if (entry.path().filename() == FolderLock::kFileName)
            continue;
        const std::string name = fs::relative(entry.path(), root).string();
        tree[name] = entry.is_directory() ? "<folder>" : readAll(entry.path());
    }
    return tree;
}

using Result = ProgramRun;

class CtlTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(rootFolder.ok()); }

    // Runs the tool on the test's data folder; env adds "NAME=value" entries.
    Result ctl(std::vector<std::string> args, const std::vector<std::string>& env = {},
               const std::string& input = {})
    {
        args.insert(args.begin(), {"--data-dir", data.string()});
        return ctlRaw(args, env, input);
    }

    // Runs the tool with exactly these arguments. The data folder in the environment and
    // the fallbacks behind it point into the test folder, so that a run can never reach the
    // user's own systems.
    Result ctlRaw(const std::vector<std::string>& args, const std::vector<std::string>& env = {},
                  const std::string& input = {})
    {
        std::vector<std::string> environment =
            ProgramRun::inheritedEnvironment({"R4000_", "XDG_DATA_HOME=", "HOME="});
        environment.push_back("R4000_DATA_DIR=" + data.string());
        environment.push_back("XDG_DATA_HOME=" + (root / "xdg").string());
        environment.push_back("HOME=" + (root / "home").string());
        for (const std::string& entry : env) {
            const std::string key = entry.substr(0, entry.find('=') + 1);
            environment.erase(std::remove_if(environment.begin(), environment.end(),
                                             [&](const std::string& present) {
                                                 return present.rfind(key, 0) == 0;
                                             }),
                              environment.end());
            environment.push_back(entry);
        }
        const ProgramRun run = ProgramRun::run(R4000CTL_PATH, args, environment, input);
        if (run.status < 0)
            ADD_FAILURE() << run.err;
        return run;
    }

    // "Plant", password "secret": an exchange, a multi-interface unit and an IP station,
    // saved by the library with kStamp.
    void writePlant()
    {
        R4000System sys;
        const char* models[] = {"R-4100EX", "R-4100MI", "R-4700MS"};
        const char* names[] = {"Office", "Gate", "Desk"};
        for (int n = 1; n <= 3; ++n) {
            Exchange* unit = sys.insertEquipment(n, models[n - 1]);
            ASSERT_NE(unit, nullptr);
            ASSERT_TRUE(unit->setIpAddressText("192.168.1." + std::to_string(10 + n)));
            ASSERT_TRUE(unit->setSubnetMaskText("255.255.255.0"));
            ASSERT_TRUE(unit->setExchangeName(names[n - 1]));
        }
        ASSERT_TRUE(sys.setStationDigits(3));
        ASSERT_TRUE(sys.setPagingDigits(2));
        ASSERT_TRUE(sys.setControlDigits(4));
        ASSERT_TRUE(SystemCredentials::apply(sys, "Plant", "secret", "secret").ok());
        PosixFileOps files;
        std::string error;
        ASSERT_TRUE(
            SystemFolder(files, (data / "Plant").string(), "Plant").save(sys, kStamp, error))
            << error;
    }

    TempFolder rootFolder;
    const fs::path root = rootFolder.path();
    const fs::path data = root / "data";
};

const std::string kPlantStored = PasswordCodec::encode("secret", "Plant");

TEST_F(CtlTest, NewSystemIsListedOpensWithItsPasswordAndIsNotCreatedTwice)
{
    const Result created = ctl({"new", "  Plant ", "--password", "secret"});
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.err,
              "r4000ctl: Leading and trailing white-spaces was removed from system name. \n");

    const Result listed = ctl({"systems"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "Plant\n");
    EXPECT_EQ(snapshot(data / "Plant"), (std::map<std::string, std::string>{
                                            {"Plant.sys", readAll(data / "Plant/Plant.sys")}}));
    PosixFileOps files;
    EXPECT_TRUE(DataFolder::checkPassword(files, data.string(), "Plant", "secret"));

    const Result checked = ctl({"check", "Plant"});
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, "name: Plant\nstation digits: 2\npaging digits: 1\n"
                           "access-number digits: 2\nunits: 0\n");

    const auto before = snapshot(root);
    const Result again = ctl({"new", "Plant", "--password", "other"});
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(snapshot(root), before);

    for (const Result& run : {created, listed, checked, again}) {
        for (const std::string& text : {run.out, run.err}) {
            EXPECT_EQ(text.find("secret"), std::string::npos) << text;
            EXPECT_EQ(text.find(kPlantStored), std::string::npos) << text;
        }
    }
}

// A password need not stand in the process list: it comes from a file, from standard
// input, or typed twice without echo on a terminal; nothing prints it.
TEST_F(CtlTest, PasswordFromAFileStandardInputOrTheTerminal)
{
    PosixFileOps files;
    const Result piped = ctl({"new", "Piped", "--password-file", "-"}, {}, "secret\nnot this\n");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_TRUE(DataFolder::checkPassword(files, data.string(), "Piped", "secret"));

    const std::string file = (root / "password").string();
    writeWholeFile(file, "s3cret\r\n");
    EXPECT_EQ(ctl({"new", "Filed", "--password-file", file}).status, 0);
    EXPECT_TRUE(DataFolder::checkPassword(files, data.string(), "Filed", "s3cret"));

    const auto before = snapshot(root);
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case refused[] = {
        {{"new", "Other", "--password-file", (root / "none").string()}, "cannot read"},
        {{"new", "Other", "--password", "a", "--password-file", file}, "not both"},
    };
    for (const Case& c : refused) {
        const Result run = ctl(c.args);
        EXPECT_EQ(run.status, 2) << c.reason;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(snapshot(root), before);

    // On a terminal (script(1) makes one), typed after the prompts, twice alike.
    const auto typed = [&](const std::string& name, const std::string& lines) {
        std::vector<std::string> environment =
            ProgramRun::inheritedEnvironment({"R4000_", "XDG_DATA_HOME=", "HOME="});
        environment.push_back("R4000_DATA_DIR=" + data.string());
        const std::string command = std::string(R4000CTL_PATH) + " new " + name;
        return ProgramRun::run("/bin/sh",
                               {"-c", "(sleep 1; printf '" + lines +
                                          "') | /usr/bin/script -qefc '" + command + "' /dev/null"},
                               environment);
    };
    const Result asked = typed("Typed", "w0rd\\nw0rd\\n");
    EXPECT_EQ(asked.status, 0) << asked.out << asked.err;
    EXPECT_NE(asked.out.find("Password (reentry): "), std::string::npos) << asked.out;
    EXPECT_EQ(asked.out.find("w0rd"), std::string::npos) << "typed without echo: " << asked.out;
    EXPECT_TRUE(DataFolder::checkPassword(files, data.string(), "Typed", "w0rd"));
    const Result differ = typed("Differ", "w0rd\\nword\\n");
    EXPECT_NE(differ.status, 0);
    EXPECT_NE(differ.out.find("Enter the same password twice."), std::string::npos) << differ.out;
    EXPECT_FALSE(fs::exists(data / "Differ"));

    for (const Result& run : {piped, asked, differ})
        for (const std::string& text : {run.out, run.err})
            EXPECT_EQ(text.find("secret"), std::string::npos) << text;
}

TEST_F(CtlTest, CheckSummarisesTheSystemAndEveryUnit)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    const Result run = ctl({"check", "Plant"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "name: Plant\n"
                       "station digits: 3\n"
                       "paging digits: 2\n"
                       "access-number digits: 4\n"
                       "units: 3\n"
                       " 1  EX  R-4100EX  Office    192.168.1.11\n"
                       " 2  MI  R-4100MI  Gate      192.168.1.12\n"
                       " 3  IP  R-4700MS  Desk      192.168.1.13\n");
    EXPECT_EQ(run.err, "");

    // The same for scripts, as JSON.
    const Result json = ctl({"check", "Plant", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    const QJsonObject summary =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(summary["name"].toString(), QStringLiteral("Plant"));
    EXPECT_EQ(summary["stationDigits"].toInt(), 3);
    EXPECT_EQ(summary["accessNumberDigits"].toInt(), 4);
    const QJsonArray units = summary["units"].toArray();
    ASSERT_EQ(units.size(), 3);
    EXPECT_EQ(units[2].toObject(), (QJsonObject{{"number", 3},
                                                {"type", "IP"},
                                                {"model", "R-4700MS"},
                                                {"name", "Desk"},
                                                {"address", "192.168.1.13"}}));
    const Result systems = ctl({"systems", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(systems.out)).object(),
              (QJsonObject{{"systems", QJsonArray{"Plant"}}}));
}

TEST_F(CtlTest, AddPutsAUnitAfterTheLastOneAndRefusesBadInput)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    const Result added =
        ctl({"add", "Plant", "R-4120EX", "--ip", "192.168.1.14", "--name", "Hall"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "added unit 4 (R-4120EX, 192.168.1.14) to system 'Plant'\n");
    EXPECT_NE(ctl({"check", "Plant"}).out.find(" 4  EX  R-4120EX  Hall      192.168.1.14\n"),
              std::string::npos);

    const auto before = snapshot(data);
    const struct {
        std::vector<std::string> args;
        const char* error;
    } refused[] = {
        {{"add", "Plant", "R-9", "--ip", "192.168.1.15"}, "unknown model 'R-9' (one of R-4100EX"},
        {{"add", "Plant", "R-4720MS", "--ip", "192.168.1.15"}, "unknown model 'R-4720MS'"},
        {{"add", "Plant", "R-4100EX", "--ip", "127.0.0.1"}, "'127.0.0.1' is no address"},
        {{"add", "Plant", "R-4100EX", "--ip", "192.168.1.15", "--name", "NineChars"}, "no name"},
    };
    for (const auto& c : refused) {
        const Result run = ctl(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    EXPECT_EQ(snapshot(data), before);
}

// Names cross the terminal in UTF-8 and the files in the code page of the locale's language,
// both ways: what the code page cannot hold, and double-byte characters, are refused.
TEST_F(CtlTest, NamesCrossTheTerminalInUtf8AndTheFilesInTheCodePage)
{
    const struct {
        const char* locale;
        const char* name;
        const char* bytes; // null: refused
    } cases[] = {
        {"en_US.UTF-8", "Büro", "B\xfcro"}, {"en_US.UTF-8", "Büroraum", "B\xfcroraum"},
        {"en_US.UTF-8", "受付", nullptr},   {"ja_JP.UTF-8", "ﾛﾋﾞｰ", "\xdb\xcb\xde\xb0"},
        {"ja_JP.UTF-8", "受付", nullptr},   {"ko_KR.UTF-8", "접수", nullptr},
        {"ko_KR.UTF-8", "Lobby", "Lobby"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.name);
        fs::remove_all(data);
        ASSERT_NO_FATAL_FAILURE(writePlant());
        const std::vector<std::string> env{std::string("LC_ALL=") + c.locale};
        const Result added =
            ctl({"add", "Plant", "R-4100EX", "--ip", "192.168.1.14", "--name", c.name}, env);
        if (!c.bytes) {
            EXPECT_EQ(added.status, 2);
            EXPECT_NE(added.err.find("is no name a unit can have"), std::string::npos) << added.err;
            EXPECT_FALSE(fs::exists(data / "Plant" / "004.cfg"));
            continue;
        }
        EXPECT_EQ(added.status, 0) << added.err;
        EXPECT_NE(
            readAll(data / "Plant" / "004.cfg").find(std::string("ex_name=") + c.bytes + "\r\n"),
            std::string::npos);
        EXPECT_NE(ctl({"check", "Plant"}, env).out.find(std::string(" 4  EX  R-4100EX  ") + c.name),
                  std::string::npos);
    }
}

TEST_F(CtlTest, MessageFilesFromWaveAndBack)
{
    using namespace msgtest;
    const fs::path wave = root / "hello.wav";
    WaveLayout tone;
    tone.data = Bytes(Sine(16000 * 2, 440, 16000, 8000));
    WriteFile(wave.string(), Wave(tone));
    const fs::path message = root / "hello.pmf";
    const Result made = ctl({"msg", "import", wave.string(), "--to", message.string()});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "wrote " + message.string() + ": \"hello\", 2.000 sec.\n");
    const Result described = ctl({"msg", "info", message.string()});
    EXPECT_EQ(described.status, 0) << described.err;
    EXPECT_NE(described.out.find("wideband: 2.000 sec. (L1 16000 bytes)\n"
                                 "narrowband: 2.000 sec. (L2 8000 bytes)\n"
                                 "checksum: holds\n"),
              std::string::npos)
        << described.out;
    const fs::path back = root / "back.wav";
    EXPECT_EQ(ctl({"msg", "export", message.string(), "--to", back.string()}).status, 0);
    EXPECT_EQ(fs::file_size(back), 44u + 2 * 32000u + 2);

    // Bad input names its reason and writes nothing.
    WaveLayout cd = tone;
    cd.rate = 44100;
    WriteFile((root / "cd.wav").string(), Wave(cd));
    std::string cut = readAll(message).substr(0, 300);
    std::ofstream((root / "cut.pmf").string(), std::ios::binary) << cut;
    // A 3 GB sparse file is refused by its size, unread; a FIFO is not waited on.
    std::ofstream(root / "huge.pmf").close();
    fs::resize_file(root / "huge.pmf", std::uintmax_t(3) << 30);
    ASSERT_EQ(::mkfifo((root / "fifo.pmf").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        const char* reason;
    } bad[] = {
        {{"msg", "info", (root / "huge.pmf").string()}, "cannot be read"},
        {{"msg", "info", (root / "fifo.pmf").string()}, "cannot be read"},
        {{"msg", "import", (root / "cd.wav").string(), "--to", (root / "x.pmf").string()},
         "is not sampled at 16,000 Hz"},
        {{"msg", "import", wave.string(), "--to", (root / "x.pmf").string(), "--gain", "2"},
         "--gain must be one of"},
        {{"msg", "export", (root / "cut.pmf").string(), "--to", (root / "x.wav").string()},
         "its size is not the header and the two track lengths it gives"},
        {{"msg", "import", wave.string(), "--to", (root / "x.pmf").string(), "--gain",
          "4294967299"}, // 3 when cut to 32 bits
         "--gain must be one of"},
        {{"msg", "info", (root / "nothing.pmf").string()}, "cannot be read"},
        {{"msg", "info", "/dev/zero"}, "cannot be read"},
        {{"msg", "info", message.string(), "--to", (root / "x.wav").string()},
         "msg info: unknown option '--to'"},
        {{"msg", "play", message.string(), "--seconds", "3"},
         "msg play: unknown option '--seconds'"},
        {{"msg", "import", wave.string()}, "msg import: missing option '--to FILE.pmf'"},
        {{"msg"}, "msg: missing ACTION"},
        {{"msg", "dance", message.string()},
         "ACTION is import, export, info, record, play, list or send"},
    };
    for (const auto& c : bad) {
        const Result run = ctl(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(root / "x.pmf"));
    EXPECT_FALSE(fs::exists(root / "x.wav"));
}

TEST_F(CtlTest, SettingsPrintsTheBytesASaveWrites)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    for (const char* n : {"1", "2", "3"}) {
        const Result run =
            ctl({"settings", "Plant", n}, {std::string("R4000_TIMESTAMP=") + kStamp});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, readAll(data / "Plant" / ("00" + std::string(n) + ".cfg"))) << n;
    }
}

TEST_F(CtlTest, ExportWritesTheFilesOfASaveAndLeavesTheSourceAlone)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    const auto source = snapshot(data);
    const std::vector<std::string> fixed = {std::string("R4000_TIMESTAMP=") + kStamp};

    const Result first = ctl({"export", "Plant", "--to", (root / "a").string()}, fixed);
    ASSERT_EQ(first.status, 0) << first.err;
    const Result second = ctl({"export", "Plant", "--to=" + (root / "b/c").string()}, fixed);
    ASSERT_EQ(second.status, 0) << second.err;
    // An earlier export of the same system may be written over.
    const Result again = ctl({"export", "Plant", "--to", (root / "a").string()}, fixed);
    ASSERT_EQ(again.status, 0) << again.err;

    EXPECT_EQ(snapshot(data), source);
    const auto exported = snapshot(root / "a");
    EXPECT_EQ(exported, snapshot(data / "Plant"));
    EXPECT_EQ(snapshot(root / "b/c"), exported);
    EXPECT_EQ(exported.size(), 4u);
    EXPECT_EQ(first.out.find("secret"), std::string::npos);
}

// A copied folder whose system file still names the original is refused, so no save can go
// from it into the original's folder.
TEST_F(CtlTest, SystemFileNamingAnotherSystemIsRefused)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    fs::copy(data / "Plant", data / "Copy");
    fs::rename(data / "Copy" / "Plant.sys", data / "Copy" / "Copy.sys");
    const auto before = snapshot(data);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check", "Copy"},
          std::vector<std::string>{"add", "Copy", "R-4100EX", "--ip", "192.168.1.20"}}) {
        const Result run = ctl(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("Copy.sys names the system 'Plant'"), std::string::npos) << run.err;
    }
    EXPECT_EQ(snapshot(data), before);
}

// One writer at a time: a command waits for another that holds the system, a bounded time,
// then fails naming why and changes nothing; two at once both land, one after the other.
TEST_F(CtlTest, WritersOfOneSystemTakeTurns)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    {
        FolderLock other;
        std::string error;
        ASSERT_TRUE(other.acquire((data / "Plant").string(), 0, error)) << error;
        const auto before = snapshot(data);
        const Result refused =
            ctl({"add", "Plant", "R-4100EX", "--ip", "192.168.1.20"}, {"R4000_LOCK_WAIT_MS=200"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("is being changed by another program"), std::string::npos)
            << refused.err;
        EXPECT_TRUE(snapshot(data) == before);
    }
    std::vector<std::thread> writers;
    std::vector<Result> results(4);
    for (int i = 0; i < 4; ++i)
        writers.emplace_back([&, i] {
            results[std::size_t(i)] =
                ctl({"add", "Plant", "R-4100EX", "--ip", "192.168.1." + std::to_string(20 + i)});
        });
    for (std::thread& writer : writers)
        writer.join();
    for (const Result& result : results)
        EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(ctl({"check", "Plant"}).out.find("units: 7\n"), std::string::npos);
}

// A FIFO where a system or settings file belongs is no file: nothing waits for a writer.
TEST_F(CtlTest, FifosInTheDataFolderAreNotWaitedFor)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    fs::create_directories(data / "Pipe");
    ASSERT_EQ(::mkfifo((data / "Pipe" / "Pipe.sys").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((data / "Plant" / "004.cfg").c_str(), 0600), 0);
    EXPECT_EQ(ctl({"systems"}).out, "Plant\n");
    const Result checked = ctl({"check", "Plant"});
    EXPECT_EQ(checked.status, 2);
    EXPECT_NE(checked.err.find("004.cfg: cannot be read"), std::string::npos) << checked.err;
}

TEST_F(CtlTest, DataFolderComesFromTheEnvironmentUnlessGiven)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    EXPECT_EQ(ctlRaw({"systems"}).out, "Plant\n");

    const std::string elsewhere = "R4000_DATA_DIR=" + (root / "elsewhere").string();
    EXPECT_EQ(ctlRaw({"systems"}, {elsewhere}).out, "");
    EXPECT_EQ(ctlRaw({"--data-dir", data.string(), "systems"}, {elsewhere}).out, "Plant\n");
}

TEST_F(CtlTest, HelpForTheToolAndEveryCommand)
{
    const Result tool = ctlRaw({"--help"});
    EXPECT_EQ(tool.status, 0);
    for (const char* command : {"systems", "check", "export", "settings", "new"}) {
        EXPECT_NE(tool.out.find("\n  " + std::string(command) + " "), std::string::npos) << command;
        // Help needs none of the command's operands or options.
        const Result run = ctlRaw({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind("usage: r4000ctl [-v] [--data-dir DIR] " + std::string(command), 0),
                  0u)
            << run.out;
        EXPECT_EQ(run.err, "");
    }
    const Result version = ctlRaw({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("r4000ctl 1.", 0), 0u) << version.out;
    EXPECT_FALSE(fs::exists(data));
}

// --- Bad usage and bad input ------------------------------------------------------------

struct BadCase {
    // "@OUT", "@PLANT", "@OTHER" (the folder of a second system), "@FULL" (a folder of
    // somebody's files), "@NOTES" (a file in it), "@SCAN" (a scan list with a bad row) and
    // "@TWICE" (one that gives two units one address) stand for paths of the test
    std::vector<std::string> args;
    const char* error; // part of the one line on stderr
    std::vector<std::string> env = {};
    bool withDataDir = true;
};

std::ostream& operator<<(std::ostream& out, const BadCase& c)
{
    for (const std::string& arg : c.args)
        out << "'" << arg << "' ";
    return out;
}

class CtlBadUsage : public CtlTest, public testing::WithParamInterface<BadCase>
{
};

TEST_P(CtlBadUsage, ExitsWithTwoAndWritesNothing)
{
    const BadCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(writePlant());
    PosixFileOps files;
    std::string error;
    R4000System other;
    ASSERT_TRUE(other.setSystemName("Other"));
    ASSERT_TRUE(SystemFolder(files, (data / "Other").string(), "Other").save(other, kStamp, error));
    fs::create_directories(root / "full");
    ASSERT_TRUE(files.writeFile((root / "full" / "notes.txt").string(), "mine"));
    // A scan list whose second unit was given a mask no unit takes.
    ASSERT_TRUE(
        files.writeFile((root / "scan.csv").string(),
                        "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n"
                        "02-00-00-00-00-01,R-4100EX,198.18.1.5,255.255.255.0,0.0.0.0,80,EX1\r\n"
                        "02-00-00-00-00-02,R-4100EX,198.18.1.6,255.0.255.0,0.0.0.0,80,EX2\r\n"));
    // One whose two units are to take the same address.
    ASSERT_TRUE(
        files.writeFile((root / "twice.csv").string(),
                        "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n"
                        "02-00-00-00-00-01,R-4100EX,198.18.1.5,255.255.255.0,0.0.0.0,80,EX1\r\n"
                        "02-00-00-00-00-02,R-4100EX,198.18.1.5,255.255.255.0,0.0.0.0,80,EX2\r\n"));
    std::vector<std::string> args;
    for (const std::string& arg : c.args) {
        args.push_back(arg == "@OUT"     ? (root / "out").string()
                       : arg == "@PLANT" ? (data / "Plant").string()
                       : arg == "@OTHER" ? (data / "Other").string()
                       : arg == "@FULL"  ? (root / "full").string()
                       : arg == "@SCAN"  ? (root / "scan.csv").string()
                       : arg == "@TWICE" ? (root / "twice.csv").string()
                       : arg == "@NOTES" ? (root / "full" / "notes.txt").string()
                                         : arg);
    }
    const auto before = snapshot(root);

    const Result run = c.withDataDir ? ctl(args, c.env) : ctlRaw(args, c.env);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("r4000ctl: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(snapshot(root), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CtlBadUsage,
    testing::Values(
        BadCase{{}, "missing command"}, BadCase{{"frobnicate"}, "unknown command 'frobnicate'"},
        BadCase{{"--quiet", "systems"}, "unknown option '--quiet'"},
        BadCase{{"--data-dir"}, "'--data-dir' needs a value", {}, false},
        BadCase{{"check"}, "check: missing SYSTEM"},
        BadCase{{"check", "Nowhere"}, "unknown system 'Nowhere'"},
        BadCase{{"check", "Plant", "extra"}, "unexpected argument 'extra'"},
        BadCase{{"check", "Plant", "--to", "x"}, "unknown option '--to'"},
        BadCase{{"settings", "Plant"}, "settings: missing N"},
        BadCase{{"settings", "Plant", "0"}, "unit '0' must be 1..3"},
        BadCase{{"settings", "Plant", "4"}, "unit '4' must be 1..3"},
        BadCase{{"settings", "Plant", "1x"}, "unit '1x' must be 1..3"},
        BadCase{{"settings", "Plant", "-1"}, "unknown option '-1'"},
        BadCase{{"export", "Plant"}, "missing option '--to OUTDIR'"},
        BadCase{{"export", "Plant", "--to"}, "'--to' needs a value"},
        BadCase{{"export", "Nowhere", "--to", "@OUT"}, "unknown system 'Nowhere'"},
        BadCase{{"export", "Plant", "--to", "@PLANT"}, "is the folder of system 'Plant'"},
        BadCase{{"export", "Plant", "--to", "@OTHER"}, "is the folder of system 'Other'\n"},
        BadCase{{"export", "Plant", "--to", "@FULL"},
                "is neither empty nor a copy of system 'Plant'"},
        BadCase{{"export", "Plant", "--to", "@OUT"}, "R4000_TIMESTAMP", {"R4000_TIMESTAMP=now"}},
        BadCase{{"export", "Plant", "--to", "@OUT", "--to", "@OUT"}, "'--to' given twice"},
        BadCase{{"new", "Other"}, "give --password-file FILE"},
        BadCase{{"new", "a/b", "--password", "pw"},
                "new: Enter using up to 15 characters. (except \\/:,;*?\"<>|)\n"},
        BadCase{{"new", "Other", "--password", "0123456789abcdef"},
                "new: Enter using up to 15 characters.\n"},
        BadCase{{"new", "Other", "--password="}, "new: Enter using up to 15 characters.\n"},
        BadCase{{"new", "..", "--password", "pw"}, "cannot name a system folder"},
        BadCase{{"new", "Plant", "--password", "pw"}, "system 'Plant' already exists"},
        // netset takes what the scan list takes, and refuses before anything is sent.
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5", "--mask", "255.0.255.0",
                 "--gateway", "0.0.0.0"},
                "netset: Invalid subnet mask.\n"},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.0", "--mask", "255.255.255.0",
                 "--gateway", "0.0.0.0"},
                "netset: Invalid IP address.\n"},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5", "--mask", "255.255.255.0",
                 "--gateway", "127.0.0.1"},
                "netset: Invalid default gateway.\n"},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5", "--mask", "255.255.255.0",
                 "--gateway", "0.0.0.0", "--port", "65536"},
                "netset: Enter number. (1-65535)\n"},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5", "--mask", "255.255.255.0",
                 "--gateway", "0.0.0.0", "--name", "ABCDEFGHI"},
                "netset: Enter using up to 8 characters.\n"},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5", "--mask", "255.255.255.0",
                 "--gateway", "0.0.0.0", "--name", "受付"},
                "netset: Enter using up to 8 characters.\n",
                {"LC_ALL=ja_JP.UTF-8"}},
        BadCase{{"netset", "02-00-00-00-00-01", "--ip", "198.18.1.5"}, "missing option '--mask'"},
        BadCase{{"netset", "--from", "@SCAN"},
                "scan.csv: unit 2 (02-00-00-00-00-02): Invalid subnet mask.\n"},
        BadCase{{"netset", "--from", "@SCAN", "--ip", "198.18.1.5"}, "not from --ip"},
        BadCase{{"netset", "02-00-00-00-00-01", "--from", "@SCAN"}, "not both"},
        BadCase{{"netset", "--from", "@NOTES"}, "line 1: no scan list"},
        BadCase{{"netset", "--from", "@TWICE"}, "198.18.1.5 is given to 02-00-00-00-00-01 too"},
        BadCase{{"export", "Plant", "--to", "\xb0\xa1"}, "no UTF-8 text"}));

} // namespace

// The report as a PDF, made without a display; a range beyond it is one line, exit 2, and
// the PDF already there stays as it was.
TEST_F(CtlTest, PrintWritesTheReportAndRefusesARangeBeyondIt)
{
    ASSERT_NO_FATAL_FAILURE(writePlant());
    const std::string pdf = (root / "plant.pdf").string();
    const std::vector<std::string> headless = {"DISPLAY=", "WAYLAND_DISPLAY="};
    const Result printed = ctl({"print", "Plant", "--pdf", pdf}, headless);
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.err, "");
    const std::string whole = readAll(pdf);
    ASSERT_EQ(whole.rfind("%PDF-", 0), 0u);
    const std::size_t total = std::stoul(printed.out.substr(printed.out.find(" of ") + 4));
    EXPECT_EQ(printed.out, "printed pages 1-" + std::to_string(total) + " of " +
                               std::to_string(total) + " to " + pdf + "\n");

    const Result one =
        ctl({"print", "Plant", "--pdf", (root / "one.pdf").string(), "--pages", "2"}, headless);
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out.rfind("printed page 2 of ", 0), 0u) << one.out;

    const std::string beyond = std::to_string(total + 1) + "-" + std::to_string(total + 5);
    const Result refused = ctl({"print", "Plant", "--pdf", pdf, "--pages", beyond}, headless);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "r4000ctl: print: Did Not Find Anything to Print. (the report has " +
                               std::to_string(total) + " pages)\n");
    EXPECT_EQ(readAll(pdf), whole);
    EXPECT_FALSE(fs::exists(pdf + ".part"));

    for (const char* pages : {"0-2", "3-2", "a"}) {
        const Result bad = ctl({"print", "Plant", "--pdf", pdf, "--pages", pages}, headless);
        EXPECT_EQ(bad.status, 2) << pages;
    }
    EXPECT_EQ(readAll(pdf), whole);

    // A whole new report takes the old one's place.
    const Result again = ctl({"print", "Plant", "--pdf", pdf, "--pages", "1"}, headless);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_NE(readAll(pdf), whole);
    EXPECT_EQ(readAll(pdf).rfind("%PDF-", 0), 0u);
}
