#include "UnitSimFixture.h"

namespace {

using Auth = HttpClient::Auth;

struct LoginCase {
    const char* unit; // extra description words
    Auth auth;
    const char* user;
    const char* password;
    long status;
    const char* challenge; // start of WWW-Authenticate on a refusal
};

class LoginTest : public UnitSimFixture, public testing::WithParamInterface<LoginCase>
{
};

TEST_P(LoginTest, AnswersOnlyTheUnitsCredentials)
{
    const LoginCase& c = GetParam();
    ASSERT_TRUE(startUnit(c.unit));
    const HttpReply reply = client(c.user, c.password, c.auth).get("/");
    ASSERT_EQ(reply.code, CURLE_OK);
    EXPECT_EQ(reply.status, c.status);
    if (c.status == 200) {
        EXPECT_EQ(reply.body, "R-4000 unit\r\n");
        EXPECT_EQ(reply.header("Content-Length"), "13");
    } else {
        EXPECT_EQ(reply.header("WWW-Authenticate").rfind(c.challenge, 0), 0u)
            << reply.header("WWW-Authenticate");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoginTest,
    testing::Values(
        LoginCase{"", Auth::Basic, "R-4000", "r4000", 200, ""},
        LoginCase{"", Auth::Basic, "R-4000", "r4001", 401, "Basic realm="},
        LoginCase{"", Auth::Basic, "r-4000", "r4000", 401, "Basic realm="},
        LoginCase{"", Auth::None, "", "", 401, "Basic realm="},
        LoginCase{"auth=digest", Auth::Digest, "R-4000", "r4000", 200, ""},
        LoginCase{"auth=digest", Auth::Digest, "R-4000", "wrong", 401, "Digest "},
        LoginCase{"auth=digest", Auth::Digest, "Plant", "r4000", 401, "Digest "},
        // Plain Basic credentials do not open a digest unit.
        LoginCase{"auth=digest", Auth::Basic, "R-4000", "r4000", 401, "Digest "},
        LoginCase{"refuse-login", Auth::Basic, "R-4000", "r4000", 401, "Basic "},
        LoginCase{"refuse-login,auth=digest", Auth::Digest, "R-4000", "r4000", 401, "Digest "},
        // A new state folder takes the credentials given.
        LoginCase{"name=Plant,password=secret", Auth::Basic, "Plant", "secret", 200, ""},
        LoginCase{"name=Plant,password=secret", Auth::Basic, "R-4000", "r4000", 401, "Basic "},
        LoginCase{"name=Plant,password=secret,auth=digest", Auth::Digest, "Plant", "secret", 200,
                  ""}));

class ResumeTest : public UnitSimFixture
{
};

TEST_F(ResumeTest, CredentialsGivenAgainDoNotOverrideAResumedFolder)
{
    ASSERT_TRUE(startUnit("name=Plant,password=secret"));
    ASSERT_TRUE(startUnit("name=Other,password=other"));
    EXPECT_EQ(client("Plant", "secret").get("/").status, 200);
    EXPECT_EQ(client("Other", "other").get("/").status, 401);
}

} // namespace
