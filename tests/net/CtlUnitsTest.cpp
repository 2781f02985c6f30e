// r4000ctl's unit commands end to end, against simulated units.
#include "FileText.h"
#include "PasswordCodec.h"
#include "PosixFileOps.h"
#include "ProgramRun.h"
#include "SystemFolder.h"
#include "UnitsFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

// The lines of text sorted, for output whose lines come in the order the units end.
std::string sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    std::sort(lines.begin(), lines.end());
    std::string sorted;
    for (const std::string& line : lines)
        sorted += line;
    return sorted;
}

class CtlUnitsTest : public UnitsFixture
{
protected:
    std::string data() const { return temp.path() + "/data"; }

    // Saves the fixture's system into the data folder.
    void saveSystem()
    {
        PosixFileOps files;
        std::string error;
        const std::string name = system.systemName();
        ASSERT_TRUE(SystemFolder(files, SystemFolder::folderFor(data(), name), name)
                        .save(system, kStamp, error))
            << error;
    }

    ProgramRun ctl(std::vector<std::string> args, const std::string& input = {})
    {
        std::vector<std::string> environment = ProgramRun::inheritedEnvironment({"R4000_"});
        environment.push_back(std::string("R4000_TIMESTAMP=") + kStamp);
        args.insert(args.begin(), {"--data-dir", data()});
        return ProgramRun::run(R4000CTL_PATH, args, environment, input);
    }

    // The same on a terminal of its own (script(1) makes one), answering the prompts with
    // input; what the program prints on it comes back as out.
    ProgramRun ctlOnTerminal(std::vector<std::string> args, const std::string& input)
    {
        std::string command = R4000CTL_PATH;
        args.insert(args.begin(), {"--data-dir", data()});
        for (const std::string& arg : args)
            command += " '" + arg + "'";
        std::vector<std::string> environment = ProgramRun::inheritedEnvironment({"R4000_"});
        environment.push_back(std::string("R4000_TIMESTAMP=") + kStamp);
        return ProgramRun::run("/usr/bin/script", {"-qefc", command, "/dev/null"}, environment,
                               input);
    }

    // The system as the data folder holds it now.
    std::unique_ptr<R4000System> load(const std::string& name)
    {
        auto loaded = std::make_unique<R4000System>();
        PosixFileOps files;
        std::string error;
        EXPECT_TRUE(
            SystemFolder(files, SystemFolder::folderFor(data(), name), name).load(*loaded, error))
            << error;
        return loaded;
    }
};

TEST_F(CtlUnitsTest, LoginListsEveryUnitAndReportsTheFailedOnes)
{
    addUnits(2);
    saveSystem();
    ASSERT_TRUE(startUnits({{2, "refuse-login"}}));
    const ProgramRun run = ctl({"login", "Tower", "--no-prompt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(sortedLines(run.out), " 1  EX1       198.18.0.11      ok\n"
                                    " 2  EX2       198.18.0.12      failed: login refused\n"
                                    "2 units: 1 ok, 1 failed\n");
    EXPECT_EQ(run.err, "Connection failure to the following units.\n"
                       "\nEX2 (id=2 ,198.18.0.12)\n");
}

TEST_F(CtlUnitsTest, CredentialsTypedOnTheTerminalAreKept)
{
    addUnits(1);
    saveSystem();
    ASSERT_TRUE(startUnits({{1, "name=Annex,password=other"}}));
    const ProgramRun run = ctlOnTerminal({"login", "Tower"}, "Annex\nother\n");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("(IP Address:198.18.0.11, Web port:80)"), std::string::npos);
    const auto saved = load("Tower");
    EXPECT_EQ(saved->equipment(1)->systemName(), "Annex");
    EXPECT_TRUE(PasswordCodec::matches(saved->equipment(1)->password(), "Annex", "other"));
}

// Without a terminal nobody may be there to answer: the unit fails at once, as with
// --no-prompt, whatever standard input holds.
TEST_F(CtlUnitsTest, NoPromptWithoutATerminal)
{
    addUnits(1);
    saveSystem();
    ASSERT_TRUE(startUnits({{1, "name=Annex,password=other"}}));
    const ProgramRun run = ctl({"login", "Tower"}, "Annex\nother\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("Enter system name"), std::string::npos) << run.err;
    EXPECT_EQ(load("Tower")->equipment(1)->systemName(), "Tower");
}

TEST_F(CtlUnitsTest, RenameOnEveryUnitThenUploadAndDownloadUnderTheNewName)
{
    addUnits(2);
    saveSystem();
    ASSERT_TRUE(startUnits());
    const ProgramRun renamed =
        ctl({"passwd", "Tower", "--name", "Annex", "--password", "fresh", "--no-prompt"});
    EXPECT_EQ(renamed.status, 0) << renamed.err;
    ASSERT_TRUE(restarted(1, 1));
    ASSERT_TRUE(restarted(2, 1));
    EXPECT_EQ(state(2, "name"), "Annex");
    EXPECT_EQ(state(2, "password"), "fresh");
    EXPECT_FALSE(std::filesystem::exists(data() + "/Tower"));

    const ProgramRun uploaded = ctl({"upload", "Annex", "--no-prompt"});
    EXPECT_EQ(uploaded.status, 0) << uploaded.err;
    ASSERT_TRUE(restarted(1, 2));
    const ProgramRun downloaded = ctl({"download", "Annex", "--restart-wait", "0", "--no-prompt"});
    EXPECT_EQ(downloaded.status, 0) << downloaded.err;
    EXPECT_EQ(load("Annex")->registeredCount(), 2);
}

// Every process's command line, as any user of the machine can read it.
std::string everyCommandLine()
{
    std::string all;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::string line = readWholeFile(entry.path().string() + "/cmdline");
        std::replace(line.begin(), line.end(), '\0', ' ');
        all += line + "\n";
    }
    return all;
}

// A password read from standard input is in no process's command line while the run goes
// on, and in nothing the run prints, however verbose.
TEST_F(CtlUnitsTest, PasswordFromStandardInputIsSeenNowhere)
{
    addUnits(2);
    saveSystem();
    ASSERT_TRUE(startUnits({{2, "delay-ms=1500"}}));
    const std::string secret = "Quiet-7731";
    const std::string input = temp.path() + "/input";
    const std::string errors = temp.path() + "/errors";
    writeWholeFile(input, secret + "\n");
    const std::string command = std::string(R4000CTL_PATH) + " -v --data-dir '" + data() +
                                "' passwd Tower --password-file - --no-prompt --json < '" + input +
                                "' 2> '" + errors + "'";
    FILE* run = popen(command.c_str(), "r");
    ASSERT_NE(run, nullptr);
    std::string seen;
    for (int i = 0; i < 10; ++i) {
        seen += everyCommandLine();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_NE(seen.find("--password-file"), std::string::npos) << "the run was watched";
    std::string out;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, run))
        out.append(buffer, n);
    EXPECT_EQ(pclose(run), 0) << out << readWholeFile(errors);
    EXPECT_EQ(seen.find(secret), std::string::npos);
    EXPECT_EQ(out.find(secret), std::string::npos);
    EXPECT_EQ(readWholeFile(errors).find(secret), std::string::npos);
    EXPECT_NE(readWholeFile(errors).find("http 198.18.0.12:80 POST /file_upload.cgi 200"),
              std::string::npos);
    ASSERT_TRUE(restarted(2, 1));
    EXPECT_EQ(state(2, "password"), secret);
}

TEST_F(CtlUnitsTest, PasswordRulesAreCheckedBeforeAnythingIsSent)
{
    addUnits(1);
    saveSystem();
    ASSERT_TRUE(startUnits());
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--name", "To/wer"}, "Enter using up to 15 characters. (except \\/:,;*?\"<>|)"},
        {{"--password", "0123456789abcdef"}, "Enter using up to 15 characters."},
        {{"--maintenance", "123"}, "Enter 4 digits number."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"passwd", "Tower"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProgramRun run = ctl(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    EXPECT_TRUE(loggedIn(1).empty());
}

// --unit: only the units named, in the order given; a bad list reaches no unit.
TEST_F(CtlUnitsTest, UnitOptionReachesOnlyTheUnitsNamed)
{
    addUnits(4);
    saveSystem();
    ASSERT_TRUE(startUnits());
    for (const char* bad : {"5", "0", "3-2", "x", "1,", "2-"}) {
        const ProgramRun run = ctl({"login", "Tower", "--unit", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("--unit takes unit numbers 1..4"), std::string::npos) << run.err;
    }
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(log(n).empty()) << n;

    const ProgramRun run = ctl({"login", "Tower", "--unit", "4,2-3,2", "--no-prompt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(sortedLines(run.out), " 2  EX2       198.18.0.12      ok\n"
                                    " 3  EX3       198.18.0.13      ok\n"
                                    " 4  EX4       198.18.0.14      ok\n"
                                    "3 units: 3 ok, 0 failed\n");
    EXPECT_TRUE(log(1).empty()) << "unit 1 was not named";
    EXPECT_EQ(ctl({"clock", "Tower", "--unit", "1"}).status, 0);
    const auto setClock = [this](int n) {
        const auto lines = loggedIn(n);
        return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("POST /time.cgi", 0) == 0;
        });
    };
    EXPECT_TRUE(setClock(1));
    EXPECT_FALSE(setClock(2));
}

// --json: one document with every unit's result and reason; -v: each request, never the
// password.
TEST_F(CtlUnitsTest, JsonAndVerboseRequestLog)
{
    addUnits(3);
    saveSystem();
    ASSERT_TRUE(startUnits({{2, "refuse-login"}, {3, "unreachable"}}));
    const ProgramRun run = ctl({"-v", "login", "Tower", "--json", "--no-prompt"});
    EXPECT_EQ(run.status, 1);
    QJsonParseError error{};
    const QJsonObject document =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    EXPECT_EQ(document["command"].toString(), "login");
    EXPECT_EQ(document["system"].toString(), "Tower");
    EXPECT_EQ(document["ok"].toInt(), 1);
    EXPECT_EQ(document["failed"].toInt(), 2);
    std::map<int, QJsonObject> units;
    for (const QJsonValue& unit : document["units"].toArray())
        units[unit["number"].toInt()] = unit.toObject();
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[1]["result"].toString(), "ok");
    EXPECT_EQ(units[1]["reason"].toString(), "");
    EXPECT_EQ(units[2]["result"].toString(), "failed");
    EXPECT_EQ(units[2]["reason"].toString(), "login-refused");
    EXPECT_EQ(units[3]["reason"].toString(), "restarting");
    EXPECT_EQ(units[3]["address"].toString(), "198.18.0.13");
    EXPECT_EQ(units[3]["name"].toString(), "EX3");
    EXPECT_TRUE(units[3]["elapsedMs"].isDouble());

    EXPECT_NE(run.err.find("http 198.18.0.11:80 GET / 200 "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("http 198.18.0.12:80 GET / 401 "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("http 198.18.0.13:80 GET / 000 "), std::string::npos) << run.err;
    for (const std::string& text : {run.out, run.err}) {
        EXPECT_EQ(text.find("secret"), std::string::npos);
        EXPECT_EQ(text.find("r4000"), std::string::npos);
    }
}

// Each unit's line comes out as the unit ends, not when the slowest is done.
TEST_F(CtlUnitsTest, LinesComeAsTheUnitsEnd)
{
    addUnits(2);
    saveSystem();
    ASSERT_TRUE(startUnits({{2, "delay-ms=2500"}}));
    const std::string command =
        std::string(R4000CTL_PATH) + " --data-dir '" + data() + "' login Tower --no-prompt";
    const auto start = std::chrono::steady_clock::now();
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    char line[256];
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    const auto first = std::chrono::steady_clock::now() - start;
    std::string rest;
    while (std::fgets(line + 0, sizeof line, out))
        rest += line;
    const auto all = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(pclose(out), 0);
    EXPECT_NE(rest.find(" 2  EX2"), std::string::npos) << rest;
    EXPECT_GT(all - first, std::chrono::milliseconds(1500));
}

// On a terminal a counter stands on its own line while units are at work, and is gone
// before the recap.
TEST_F(CtlUnitsTest, CounterOnATerminal)
{
    addUnits(2);
    saveSystem();
    ASSERT_TRUE(startUnits({{2, "delay-ms=1500"}}));
    const ProgramRun run = ctlOnTerminal({"login", "Tower", "--no-prompt"}, "");
    EXPECT_EQ(run.status, 0) << run.out;
    const std::size_t counter = run.out.find("1/2 done, 0 failed");
    ASSERT_NE(counter, std::string::npos) << run.out;
    EXPECT_LT(run.out.find(" 1  EX1"), counter);
    EXPECT_GT(run.out.find(" 2  EX2"), counter);
    // The counter's line is wiped before the next line goes out.
    EXPECT_NE(run.out.find("\r\033[K 2  EX2"), std::string::npos) << run.out;
}

// download and firmware take lists of units too; only those are reached.
TEST_F(CtlUnitsTest, DownloadAndFirmwareToTheUnitsNamed)
{
    addUnits(3);
    saveSystem();
    ASSERT_TRUE(startUnits());
    // A unit holds a settings file once it has been sent one.
    ASSERT_EQ(ctl({"upload", "Tower", "--unit", "2", "--no-prompt"}).status, 0);
    ASSERT_TRUE(restarted(2, 1));
    const ProgramRun downloaded =
        ctl({"download", "Tower", "--unit", "2", "--restart-wait", "0", "--no-prompt"});
    EXPECT_EQ(downloaded.status, 0) << downloaded.err;
    EXPECT_EQ(downloaded.out, " 2  EX2       198.18.0.12      ok\n1 unit: 1 ok, 0 failed\n");
    const auto downloads = [this](int n) {
        const auto lines = loggedIn(n);
        return std::count(lines.begin(), lines.end(), "GET /file_download.cgi auth=Tower");
    };
    EXPECT_EQ(downloads(1), 0);
    EXPECT_EQ(downloads(2), 1);

    const std::string image = temp.path() + "/image.bin";
    writeWholeFile(image, "version=2.00\r\nimage");
    const ProgramRun flashed = ctl({"firmware", "Tower", "3,1", image, "--no-prompt"});
    EXPECT_EQ(flashed.status, 0) << flashed.err;
    EXPECT_EQ(flashed.out, " 3  EX3       198.18.0.13      ok\n"
                           " 1  EX1       198.18.0.11      ok\n"
                           "2 units: 2 ok, 0 failed\n");
    EXPECT_TRUE(restarted(1, 1));
    EXPECT_TRUE(restarted(3, 1));
    EXPECT_EQ(state(2, "resets"), "1");
    EXPECT_EQ(ctl({"firmware", "Tower", "4", image}).status, 2);
}

// upload --diff shows what each unit will take and sends only to the units that differ;
// --dry-run stops there; --verify fails a unit that silently keeps its old settings;
// download --check tells drift without changing anything.
TEST_F(CtlUnitsTest, DiffDryRunVerifyAndCheck)
{
    addUnits(3);
    saveSystem();
    ASSERT_TRUE(startUnits());
    ASSERT_EQ(ctl({"upload", "Tower", "--no-prompt"}).status, 0);
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(restarted(n, 1));
    const ProgramRun same = ctl({"download", "Tower", "--check", "--no-prompt"});
    EXPECT_EQ(same.status, 0) << same.out << same.err;
    EXPECT_EQ(sortedLines(same.out), " 1  EX1       198.18.0.11      unchanged\n"
                                     " 2  EX2       198.18.0.12      unchanged\n"
                                     " 3  EX3       198.18.0.13      unchanged\n"
                                     "3 units: 3 unchanged, 0 differ, 0 failed\n");

    ASSERT_TRUE(unit(2).setSubnetMaskText("255.255.0.0"));
    ASSERT_TRUE(unit(3).setExchangeName("Hall"));
    saveSystem();
    const std::string folder = data() + "/Tower";
    const std::string systemFile = readWholeFile(folder + "/Tower.sys");
    const std::string unitFile = readWholeFile(folder + "/002.cfg");
    const auto uploads = [this](int n) {
        const auto lines = loggedIn(n);
        return std::count(lines.begin(), lines.end(), "POST /file_upload.cgi auth=Tower");
    };
    // Exactly the settings that changed, under the unit they change on.
    const auto expectDiff = [](const std::string& out) {
        EXPECT_NE(out.find(" 1  EX1       198.18.0.11      unchanged\n"), std::string::npos) << out;
        EXPECT_NE(out.find(" 2  EX2       198.18.0.12      differs\n"
                           "      [network] subnet: \"0.0.0.0\" -> \"255.255.0.0\"\n"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(" 3  Hall      198.18.0.13      differs\n"
                           "      [system] ex_name: \"EX3\" -> \"Hall\"\n"),
                  std::string::npos)
            << out;
        EXPECT_EQ(std::count(out.begin(), out.end(), '['), 2) << out;
    };

    const ProgramRun dry = ctl({"upload", "Tower", "--dry-run", "--no-prompt"});
    EXPECT_EQ(dry.status, 0) << dry.err;
    expectDiff(dry.out);
    EXPECT_NE(dry.out.find("diff: 3 units: 1 unchanged, 2 differ, 0 failed\n"), std::string::npos);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(uploads(n), 1) << "a dry run sends nothing";
    EXPECT_EQ(readWholeFile(folder + "/Tower.sys"), systemFile);
    EXPECT_EQ(readWholeFile(folder + "/002.cfg"), unitFile);

    const ProgramRun drift = ctl({"download", "Tower", "--check", "--no-prompt"});
    EXPECT_EQ(drift.status, 1);
    expectDiff(drift.out);
    EXPECT_EQ(readWholeFile(folder + "/002.cfg"), unitFile);

    // Unit 3 answers the upload as usual and keeps its old settings.
    ASSERT_TRUE(startUnits({{3, "ignore-uploads"}}));
    const ProgramRun run = ctl({"upload", "Tower", "--diff", "--verify", "--restart-wait", "3000",
                                "--no-prompt", "--json"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(uploads(1), 1) << "unit 1 had nothing to take";
    EXPECT_EQ(uploads(2), 2);
    EXPECT_EQ(uploads(3), 2);
    std::map<std::string, QJsonObject> results; // "step unit"
    for (const QJsonValue& unit :
         QJsonDocument::fromJson(QByteArray::fromStdString(run.out))["units"].toArray())
        results[unit["step"].toString().toStdString() + " " +
                std::to_string(unit["number"].toInt())] = unit.toObject();
    EXPECT_EQ(results["diff 1"]["result"].toString(), "unchanged");
    EXPECT_EQ(results["diff 2"]["result"].toString(), "differs");
    EXPECT_EQ(results["diff 2"]["changes"][0]["after"].toString(), "\"255.255.0.0\"");
    EXPECT_EQ(results["upload 2"]["result"].toString(), "ok");
    EXPECT_EQ(results["upload 3"]["result"].toString(), "ok");
    EXPECT_EQ(results["verify 2"]["result"].toString(), "ok");
    EXPECT_EQ(results["verify 3"]["result"].toString(), "failed");
    EXPECT_EQ(results["verify 3"]["reason"].toString(), "not-taken");
    EXPECT_EQ(results["verify 3"]["changes"][0]["key"].toString(), "ex_name");
    EXPECT_EQ(results.count("upload 1"), 0u);
    EXPECT_NE(run.err.find("\nHall (id=3 ,198.18.0.13)"), std::string::npos) << run.err;
}

// msg send: each station its message from msglist.csv (own messages first, then the
// standard ones), after the new siren went to every unit and into the system file.
TEST_F(CtlUnitsTest, MsgSendTransfersTheListedMessagesAfterTheSiren)
{
    addUnits(3, "Tower", "secret", "R-4700MS");
    saveSystem();
    ASSERT_TRUE(startUnits());
    const std::string folder = data() + "/Tower";
    const std::string standard = temp.path() + "/standard";
    std::filesystem::create_directories(folder + "/Message");
    std::filesystem::create_directories(standard + "/Chimes");
    const std::string chime = folder + "/Message/Chime.pmf";
    const std::string bell = standard + "/Chimes/Bell.pmf";
    writeWholeFile(chime, std::string("R-4000 message") + std::string(3000, '\x11'));
    writeWholeFile(bell, std::string("R-4000 message") + std::string(5000, '\x22'));
    const std::string list =
        "No.,x,y\r\n1,Chime," + chime + "\r\n3,Bell,/old/Bell.pmf\r\n" + "2,Gone,/old/Gone.pmf\r\n";
    writeWholeFile(folder + "/msglist.csv", list);

    const ProgramRun listed = ctl({"msg", "list", "Tower", "--messages", standard});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "siren: 1\n"
                          " 1  EX1       198.18.0.11      Chime  " +
                              chime + "\n" + " 2  EX2       198.18.0.12      Gone  (not found)\n" +
                              " 3  EX3       198.18.0.13      Bell  " + bell + "\n");

    EXPECT_EQ(ctl({"msg", "send", "Tower", "--siren", "7"}).status, 2);
    const ProgramRun run =
        ctl({"msg", "send", "Tower", "--messages", standard, "--siren", "34", "--no-prompt"});
    EXPECT_EQ(run.status, 1) << run.err;
    // Each run's lines come as its units end; the runs themselves one after the other.
    const std::size_t messages = run.out.find("messages:\n");
    ASSERT_NE(messages, std::string::npos) << run.out;
    EXPECT_EQ(sortedLines(run.out.substr(0, messages)), " 1  EX1       198.18.0.11      ok\n"
                                                        " 2  EX2       198.18.0.12      ok\n"
                                                        " 3  EX3       198.18.0.13      ok\n"
                                                        "siren 34:\n");
    EXPECT_EQ(sortedLines(run.out.substr(messages)),
              " 1  EX1       198.18.0.11      ok\n"
              " 2  EX2       198.18.0.12      failed: local file (no message \"Gone\")\n"
              " 3  EX3       198.18.0.13      ok\n"
              "messages:\n"
              "messages: 3 units: 2 ok, 1 failed\n"
              "siren 34: 3 units: 3 ok, 0 failed\n");
    EXPECT_EQ(run.err, "Connection failure to the following units.\n"
                       "\nEX2 (id=2 ,198.18.0.12): no message \"Gone\"\n");
    EXPECT_EQ(file(1, "messages/001.pmf"), readWholeFile(chime));
    EXPECT_EQ(file(3, "messages/001.pmf"), readWholeFile(bell));
    EXPECT_EQ(file(2, "messages/001.pmf"), "");
    EXPECT_EQ(load("Tower")->siren(), 34);
    // Nothing in the list was stale: it stays as it was written.
    EXPECT_EQ(readWholeFile(folder + "/msglist.csv"), list);
}

} // namespace
