#include "PasswordCodec.h"
#include "UnitSimFixture.h"

namespace {

using Auth = HttpClient::Auth;

std::string wholeFile(const std::string& name, const std::string& password,
                      const std::string& maintenance)
{
    return "IP Intercom Configuration File\r\nZUN Corporation.\r\n\r\n"
           "[header]\r\nupdate=2026/12/10 08:30:05\r\nver=\r\n\r\n"
           "[network]\r\nip_address=198.18.0.11\r\n\r\n"
           "[system]\r\nex_id=1\r\nex_name=Main\r\nsystem_name=" +
           name + "\r\npasswd=" + PasswordCodec::encode(password, name) +
           "\r\nsta_passwd=" + maintenance +
           "\r\nlanguage=ENGLISH\r\n\r\n"
           "[msg_pag]\r\nsta_id=1:1\r\nis_enable_msg_pag=DISABLE\r\n--\r\n"
           "sta_id=1:2\r\nis_enable_msg_pag=DISABLE\r\n--\r\n"
           "sta_id=1:3\r\nis_enable_msg_pag=DISABLE\r\n";
}

std::string partialFile(const std::string& name, const std::string& password,
                        const std::string& extra)
{
    return "[header]\r\nupdate=2026/12/10 09:00:00\r\n\r\n[system]\r\nsystem_name=" + name +
           "\r\npasswd=" + PasswordCodec::encode(password, name) + "\r\n" + extra;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class SettingsUploadTest : public UnitSimFixture
{
protected:
    HttpReply upload(const HttpClient& http, const std::string& settings,
                     const std::string& access = "APP")
    {
        return http.postForm("/file_upload.cgi", {{"access", access}, {"file", settings}});
    }

    // Resets the unit and waits for the restart to end.
    testing::AssertionResult reset(const HttpClient& http, unsigned resets)
    {
        const HttpReply reply = http.get("/reset.cgi");
        if (reply.status != 200 || reply.body != "OK")
            return testing::AssertionFailure()
                   << "reset answered " << reply.status << " " << reply.body;
        return restarted(resets);
    }
};

TEST_F(SettingsUploadTest, NewCredentialsTakeEffectAtTheRestartAndSurviveAResume)
{
    ASSERT_TRUE(startUnit("restart-ms=400,auth=digest"));
    const HttpClient factory = client("R-4000", "r4000", Auth::Digest);
    const HttpClient tower = client("Tower", "tower1", Auth::Digest);
    const std::string settings = wholeFile("Tower", "tower1", "1234");

    const HttpReply answer = upload(factory, settings);
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.body, "RESET");
    EXPECT_EQ(factory.get("/").status, 200) << "pending until the restart";
    EXPECT_EQ(tower.get("/").status, 401);

    const HttpReply ok = factory.get("/reset.cgi");
    EXPECT_EQ(ok.body, "OK");
    const HttpReply silent = factory.get("/");
    EXPECT_NE(silent.code, CURLE_OK) << "answered " << silent.status << " while restarting";
    ASSERT_TRUE(restarted(1));

    EXPECT_EQ(factory.get("/").status, 401);
    EXPECT_EQ(tower.get("/").status, 200);
    EXPECT_EQ(tower.get("/file_download.cgi").body, settings);
    EXPECT_EQ(state("name"), "Tower");
    EXPECT_EQ(state("password"), "tower1");
    EXPECT_EQ(state("maintenance"), "1234");

    ASSERT_TRUE(startUnit("auth=digest"));
    EXPECT_EQ(tower.get("/").status, 200);
    EXPECT_EQ(factory.get("/").status, 401);
}

TEST_F(SettingsUploadTest, PartialFileChangesOnlyItsValues)
{
    ASSERT_TRUE(startUnit("restart-ms=50"));
    const std::string settings = wholeFile("Tower", "tower1", "1234");
    ASSERT_EQ(upload(client(), settings).body, "RESET");
    ASSERT_TRUE(reset(client(), 1));

    const HttpClient tower = client("Tower", "tower1");
    const std::string partial = partialFile("Plant", "plant22",
                                            "sta_passwd=4321\r\n\r\n[msg_pag]\r\nsta_id=1:2\r\n"
                                            "is_enable_msg_pag=ENABLE\r\n");
    ASSERT_EQ(upload(tower, partial).body, "RESET");
    ASSERT_TRUE(reset(tower, 2));

    std::string expected = replaced(settings, "system_name=Tower", "system_name=Plant");
    expected = replaced(expected, PasswordCodec::encode("tower1", "Tower"),
                        PasswordCodec::encode("plant22", "Plant"));
    expected = replaced(expected, "sta_passwd=1234", "sta_passwd=4321");
    expected = replaced(expected, "sta_id=1:2\r\nis_enable_msg_pag=DISABLE",
                        "sta_id=1:2\r\nis_enable_msg_pag=ENABLE");
    const HttpClient plant = client("Plant", "plant22");
    EXPECT_EQ(plant.get("/file_download.cgi").body, expected);
    EXPECT_EQ(tower.get("/").status, 401);
    EXPECT_EQ(state("maintenance"), "4321");
}

TEST_F(SettingsUploadTest, PartialFileOnAFreshUnitShowsInTheMinimalDownload)
{
    ASSERT_TRUE(startUnit("restart-ms=50"));
    const std::string before = client().get("/file_download.cgi").body;
    EXPECT_NE(before.find("[header]\r\n"), std::string::npos) << before;
    EXPECT_NE(before.find("\r\nsystem_name=R-4000\r\npasswd=" +
                          std::string(PasswordCodec::kDefaultStored) + "\r\n"),
              std::string::npos)
        << before;

    ASSERT_EQ(upload(client(), partialFile("Plant", "plant22", "")).body, "RESET");
    ASSERT_TRUE(reset(client(), 1));
    const HttpReply after = client("Plant", "plant22").get("/file_download.cgi");
    EXPECT_EQ(after.status, 200);
    EXPECT_NE(after.body.find("\r\nsystem_name=Plant\r\npasswd=" +
                              PasswordCodec::encode("plant22", "Plant") + "\r\n"),
              std::string::npos)
        << after.body;
    EXPECT_EQ(state("maintenance"), "8629") << "no sta_passwd: kept";
    EXPECT_EQ(file("settings.cfg"), "") << "a partial file is no settings file";
}

TEST_F(SettingsUploadTest, RejectedUploadsChangeNothing)
{
    ASSERT_TRUE(startUnit("restart-ms=50"));
    const std::string settings = wholeFile("Tower", "tower1", "1234");
    EXPECT_EQ(upload(client(), settings, "USR").body, "ERROR");
    EXPECT_EQ(upload(client(), "ex_id=1\r\nsystem_name=Tower\r\n").body, "ERROR") << "no [header]";
    EXPECT_EQ(client()
                  .post("/file_upload.cgi", "multipart/form-data; boundary=zz", "--zz\r\nbroken")
                  .body,
              "ERROR");
    // A password stored under another name cannot be read with the new one.
    EXPECT_EQ(upload(client(), replaced(settings, "system_name=Tower", "system_name=Other")).body,
              "RESET");
    ASSERT_TRUE(reset(client(), 1));
    EXPECT_EQ(client().get("/").status, 200);
    EXPECT_EQ(state("name"), "R-4000");
    EXPECT_EQ(state("password"), "r4000");
}

struct ReplyCase {
    const char* unit;
    const char* reply;
};

class UploadReplyTest : public SettingsUploadTest, public testing::WithParamInterface<ReplyCase>
{
};

TEST_P(UploadReplyTest, SettingsUploadAnswer)
{
    ASSERT_TRUE(startUnit(GetParam().unit));
    const HttpReply reply = upload(client(), wholeFile("Tower", "tower1", "1234"));
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UploadReplyTest,
    testing::Values(ReplyCase{"", "RESET"}, ReplyCase{"upload-reply=OK", "OK"},
                    ReplyCase{"reset-lower", "reset"}, ReplyCase{"ok-crlf", "OK\r\n"},
                    ReplyCase{"garbage", "<html><body>Unexpected</body></html>\r\n"}));

} // namespace
