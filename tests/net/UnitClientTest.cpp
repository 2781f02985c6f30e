// One unit at a time against simulated units: what goes over the wire, the reply rules,
// the login recovery and the time limits.
#include "AllUnitRun.h"
#include "Cgi.h"
#include "PasswordCodec.h"
#include "PosixFileOps.h"
#include "SettingsFileWriter.h"
#include "UnitsFixture.h"

namespace {

using UnitClientTest = UnitsFixture;

// A request as a unit logged it: its request line, its headers and its body.
struct LoggedRequest {
    std::string line;
    std::vector<std::string> headers;
    std::string body;

    std::string header(const std::string& name) const
    {
        for (const std::string& h : headers)
            if (h.rfind(name + ": ", 0) == 0)
                return h.substr(name.size() + 2);
        return "<missing>";
    }
};

LoggedRequest parse(const std::string& raw)
{
    LoggedRequest request;
    const auto end = raw.find("\r\n\r\n");
    std::istringstream head(raw.substr(0, end));
    std::getline(head, request.line);
    request.line.pop_back();
    for (std::string h; std::getline(head, h);)
        request.headers.push_back(h.substr(0, h.size() - (h.back() == '\r')));
    request.body = raw.substr(end + 4);
    return request;
}

// The last request unit n received.
LoggedRequest lastRequest(const UnitsFixture& f, int n)
{
    return parse(f.file(n, "requests/" + f.log(n).back().substr(0, 6) + ".txt"));
}

TEST_F(UnitClientTest, SettingsUploadSendsTheWholeFileAsMultipartBytes)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "upload-reply=OK"}}));
    ASSERT_TRUE(client(1).uploadOwnSettings());

    // The credentials go with the first request: the body crosses once.
    ASSERT_EQ(log(1).size(), 1u);
    const LoggedRequest request = lastRequest(*this, 1);
    EXPECT_EQ(request.line, "POST /file_upload.cgi HTTP/1.1");
    EXPECT_EQ(request.header("Accept"), "text/*");
    EXPECT_EQ(request.header("User-Agent"), "R-4000 software");
    const std::string type = request.header("Content-type");
    ASSERT_EQ(type.rfind("multipart/form-data; boundary=-----", 0), 0u) << type;
    const std::string boundary = type.substr(type.find('=') + 1);
    EXPECT_EQ(boundary.size(), 20u);
    EXPECT_EQ(request.header("Content-Length"), std::to_string(request.body.size()));
    EXPECT_EQ(
        request.body,
        Cgi::multipartBody(
            {{"access", "APP"}, {"file", SettingsFileWriter::write(unit(1), kStamp)}}, boundary));
}

TEST_F(UnitClientTest, ClockGoesUrlEncoded)
{
    addUnits(1);
    ASSERT_TRUE(startUnits());
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 2;
    t.tm_mday = 6;
    t.tm_hour = 9;
    t.tm_min = 5;
    ASSERT_TRUE(client(1).setClock(t));
    const LoggedRequest request = lastRequest(*this, 1);
    EXPECT_EQ(request.line, "POST /time.cgi HTTP/1.1");
    EXPECT_EQ(request.header("Content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.body, "t_yy=Mar%2F06%2F2026&t_hh=09&t_mm=05");
    EXPECT_EQ(state(1, "clock_yy"), "Mar/06/2026");
}

TEST_F(UnitClientTest, SettingsUploadReplyRule)
{
    const struct {
        const char* switches;
        bool ok;
        bool reset;
    } cases[] = {
        {"upload-reply=OK", true, false}, {"upload-reply=RESET", true, true},
        {"reset-lower", true, true},      {"ok-crlf", false, false},
        {"garbage", false, false},
    };
    addUnits(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.switches);
        std::filesystem::remove_all(dir(1));
        ASSERT_TRUE(startUnits({{1, c.switches}}));
        EXPECT_EQ(client(1).uploadOwnSettings(), c.ok);
        if (c.reset)
            EXPECT_TRUE(restarted(1, 1));
        else
            EXPECT_EQ(state(1, "resets"), "0");
    }
}

TEST_F(UnitClientTest, RefusedLoginTriesTheFactoryCredentialsThenAsksTwice)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "refuse-login"}}));
    prompt.answers = {Credentials{"Tower", "first"}, Credentials{"Annex", "second"}};
    EXPECT_FALSE(client(1).checkLogin());
    EXPECT_EQ(prompt.asked, 2);
    EXPECT_EQ(loggedIn(1), (std::vector<std::string>{"GET / auth=Tower", "GET / auth=R-4000",
                                                     "GET / auth=Tower", "GET / auth=Annex"}));
    // Four attempts, four requests: none goes out without credentials first.
    EXPECT_EQ(log(1).size(), 4u);
    // The model keeps what it had: nothing worked.
    EXPECT_EQ(unit(1).systemName(), "Tower");
}

TEST_F(UnitClientTest, CancelAtTheFirstPromptFailsAfterTwoRequests)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "refuse-login"}}));
    prompt.answers = {std::nullopt};
    EXPECT_FALSE(client(1).checkLogin());
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(loggedIn(1).size(), 2u);
}

TEST_F(UnitClientTest, FactoryCredentialsThatWorkBecomeTheUnitsOwn)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({}, "R-4000", "r4000"));
    EXPECT_TRUE(client(1).checkLogin());
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_EQ(unit(1).systemName(), "R-4000");
    EXPECT_TRUE(PasswordCodec::matches(unit(1).password(), "R-4000", "r4000"));
}

TEST_F(UnitClientTest, TypedCredentialsThatWorkBecomeTheUnitsOwnUnderDigest)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "auth=digest"}}, "Annex", "other"));
    prompt.answers = {Credentials{"Annex", "other"}};
    EXPECT_TRUE(client(1).checkLogin());
    EXPECT_EQ(unit(1).systemName(), "Annex");
    EXPECT_TRUE(PasswordCodec::matches(unit(1).password(), "Annex", "other"));
    // A refusal naming Digest only is answered in that scheme with the same credentials; the
    // attempts are still the system's, the factory's and one typed.
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(loggedIn(1).back(), "GET / auth=Annex");
}

TEST_F(UnitClientTest, ReplyWithoutLengthFailsAndACutOneIsTakenAsItCame)
{
    addUnits(3);
    ASSERT_TRUE(startUnits({{1, "no-length"}, {2, "stall"}, {3, "close-early"}}));
    EXPECT_FALSE(client(1).readFirmwareVersion());
    // Half of "1.00\r\n" arrives, then nothing: after the waits it counts.
    EXPECT_TRUE(client(2).readFirmwareVersion());
    EXPECT_EQ(unit(2).firmwareVersion(), "1.0");
    // Half of it, then the unit closes the connection: it counts at once.
    EXPECT_TRUE(client(3).readFirmwareVersion());
    EXPECT_EQ(unit(3).firmwareVersion(), "1.0");
}

TEST_F(UnitClientTest, DownloadThatIsCutShortOrNoUnitFileLeavesTheLocalFile)
{
    // A stalled reply arrives in part; a unit never given settings answers a file that
    // names no unit.
    addUnits(1);
    PosixFileOps files;
    const std::string path = temp.path() + "/001.cfg";
    for (const char* switches : {"stall", "close-early", "upload-reply=OK"}) {
        SCOPED_TRACE(switches);
        std::filesystem::remove_all(dir(1));
        ASSERT_TRUE(startUnits({{1, switches}}));
        ASSERT_TRUE(files.writeFile(path, "good local file"));
        EXPECT_FALSE(client(1).downloadSettings(files, path));
        std::string kept;
        ASSERT_TRUE(files.readFile(path, kept));
        EXPECT_EQ(kept, "good local file");
        EXPECT_FALSE(files.exists(path + ".download"));
    }
}

// A unit that answers another unit's settings file (or one with a NUL byte) fails, and the
// local file stays: it must not become the file of a unit it does not describe.
TEST_F(UnitClientTest, DownloadOfAnotherUnitsFileLeavesTheLocalFile)
{
    addUnits(2);
    ASSERT_TRUE(startUnits({{2, "restart-ms=100"}}));
    // Unit 2 is given unit 1's settings file.
    ASSERT_TRUE(unit(1).setIpAddressText(addressOf(2)));
    ASSERT_TRUE(client(1).uploadOwnSettings());
    ASSERT_TRUE(unit(1).setIpAddressText(addressOf(1)));
    ASSERT_TRUE(restarted(2, 1));

    PosixFileOps files;
    const std::string path = temp.path() + "/002.cfg";
    ASSERT_TRUE(files.writeFile(path, "good local file"));
    EXPECT_FALSE(client(2).downloadSettings(files, path));
    std::string kept;
    ASSERT_TRUE(files.readFile(path, kept));
    EXPECT_EQ(kept, "good local file");

    // Unit 1, given its own file, answers it: that one is taken.
    ASSERT_TRUE(client(1).uploadOwnSettings());
    ASSERT_TRUE(restarted(1, 1));
    const std::string own = temp.path() + "/001.cfg";
    EXPECT_TRUE(client(1).downloadSettings(files, own));
}

TEST_F(UnitClientTest, WatchdogEndsACallThatTakesTooLong)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "delay-ms=3000"}}));
    options.cgi.watchdogMs = 600;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client(1).checkLogin());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900));
}

// Each way a unit can fail a job is told apart, in the words an installer acts on.
TEST_F(UnitClientTest, EachMisbehaviourFailsWithItsReason)
{
    using Reason = UnitFailure::Reason;
    enum class Job { Login, Upload, Download, Firmware };
    const struct {
        const char* switches;
        Job job;
        Reason reason;
        const char* detail; // a part of it
    } cases[] = {
        {"refuse-login", Job::Login, Reason::LoginRefused, ""},
        {"unreachable", Job::Login, Reason::Restarting, ""},
        {"delay-ms=2000", Job::Login, Reason::TimedOut, "nothing for 300 ms"},
        {"no-length", Job::Login, Reason::UnexpectedReply, "no Content-Length"},
        {"garbage", Job::Upload, Reason::UnexpectedReply, "answered \""},
        {"stall", Job::Download, Reason::TimedOut, ""},
        {"busy=100000", Job::Firmware, Reason::Busy, "still BUSY"},
    };
    addUnits(1);
    PosixFileOps files;
    const std::string image = temp.path() + "/image.bin";
    ASSERT_TRUE(files.writeFile(image, "version=2.00\r\nimage"));
    options.cgi.transferTimeoutMs = 300;
    options.busyPollLimitMs = 200;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.switches);
        std::filesystem::remove_all(dir(1));
        ASSERT_TRUE(startUnits({{1, c.switches}}));
        AllUnitRun run(system, [&](Exchange& unit) {
            UnitClient client(unit, nullptr, options);
            switch (c.job) {
            case Job::Login:
                return client.checkLogin();
            case Job::Upload:
                return client.uploadOwnSettings();
            case Job::Download:
                return client.downloadSettings(files, temp.path() + "/download.txt");
            case Job::Firmware:
                return client.uploadFirmwareFile(files, image);
            }
            return true;
        });
        run.run(AllUnitRun::WaitMode::Blocking);
        ASSERT_EQ(run.report().reasons.size(), 1u);
        const UnitFailure& failure = run.report().reasons[0];
        EXPECT_EQ(failure.reason, c.reason) << failure.text();
        EXPECT_NE(failure.detail.find(c.detail), std::string::npos) << failure.text();
    }
}

TEST_F(UnitClientTest, FirmwarePollsWhileBusyButNotForever)
{
    const struct {
        const char* switches;
        long limitMs;
        bool ok;
        bool everyPoll; // exactly three polls
    } cases[] = {
        {"busy=3,busy-end=OK", 60000, true, true},
        {"busy=3,busy-end=ERROR", 60000, false, true},
        {"busy=100000,busy-end=OK", 300, false, false},
    };
    addUnits(1);
    PosixFileOps files;
    const std::string image = temp.path() + "/image.bin";
    ASSERT_TRUE(files.writeFile(image, "version=2.00\r\nimage"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.switches);
        std::filesystem::remove_all(dir(1));
        ASSERT_TRUE(startUnits({{1, c.switches}}));
        options.busyPollLimitMs = c.limitMs;
        EXPECT_EQ(client(1).uploadFirmwareFile(files, image), c.ok);
        int polls = 0;
        for (const std::string& request : loggedIn(1))
            polls += request == "GET /prg_upload.cgi?access=APP auth=Tower";
        if (c.everyPoll)
            EXPECT_EQ(polls, 3);
        else
            EXPECT_GT(polls, 1);
        if (c.ok)
            EXPECT_TRUE(restarted(1, 1));
        else
            EXPECT_EQ(state(1, "resets"), "0");
    }
}

TEST_F(UnitClientTest, MessagesAndMessagePagingGoToTheUnit)
{
    addUnits(1);
    ASSERT_TRUE(startUnits({{1, "upload-reply=OK"}}));
    PosixFileOps files;
    const std::string message = temp.path() + "/hello.pmf";
    // No file: nothing to send, nothing sent.
    EXPECT_TRUE(client(1).uploadMessageFile(files, message));
    EXPECT_TRUE(loggedIn(1).empty());

    const std::string data("PMF\0\x01\x02 message", 14);
    ASSERT_TRUE(files.writeFile(message, data));
    EXPECT_TRUE(client(1).uploadMessageFile(files, message));
    EXPECT_EQ(file(1, "messages/001.pmf"), data);

    EXPECT_TRUE(client(1).uploadOwnMessagePaging());
    EXPECT_EQ(loggedIn(1).back(), "POST /file_upload.cgi auth=Tower");
}

TEST_F(UnitClientTest, PasswordChangeAuthenticatesWithTheOldCredentials)
{
    addUnits(1);
    ASSERT_TRUE(startUnits());
    const std::string stored = PasswordCodec::encode("fresh", "Annex");
    ASSERT_TRUE(client(1).changeSystemPassword("Annex", stored));
    EXPECT_EQ(unit(1).systemName(), "Annex");
    EXPECT_EQ(loggedIn(1), (std::vector<std::string>{"POST /file_upload.cgi auth=Tower",
                                                     "GET /reset.cgi auth=Tower"}));
    ASSERT_TRUE(restarted(1, 1));
    EXPECT_EQ(state(1, "name"), "Annex");
    EXPECT_EQ(state(1, "password"), "fresh");
    EXPECT_TRUE(client(1).checkLogin());
}

} // namespace
