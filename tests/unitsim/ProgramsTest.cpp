#include "UnitSimFixture.h"

#include <vector>

namespace {

class ProgramsTest : public UnitSimFixture
{
};

struct BusyCase {
    const char* unit;
    std::vector<std::string> answers; // the upload's, then each poll's
    const char* version;              // afterwards
};

class FirmwareTest : public UnitSimFixture, public testing::WithParamInterface<BusyCase>
{
};

TEST_P(FirmwareTest, UploadThenPollUntilDone)
{
    const BusyCase& c = GetParam();
    ASSERT_TRUE(startUnit(c.unit));
    const HttpClient http = client();
    EXPECT_EQ(http.get("/prg_version.cgi").body, "1.00\r\n");
    const std::string image = "version=2.10\r\n\x7f"
                              "ELF image bytes";
    std::vector<std::string> answers = {
        http.postForm("/prg_upload.cgi", {{"access", "APP"}, {"file", image}}).body};
    while (answers.size() < c.answers.size())
        answers.push_back(http.get("/prg_upload.cgi?access=APP").body);
    EXPECT_EQ(answers, c.answers);
    EXPECT_EQ(http.get("/prg_version.cgi").body, std::string(c.version) + "\r\n");
    EXPECT_EQ(file("firmware.bin"), image);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirmwareTest,
    testing::Values(BusyCase{"", {"OK", "OK"}, "2.10"}, BusyCase{"busy=1", {"BUSY", "OK"}, "2.10"},
                    BusyCase{"busy=3,busy-end=OK", {"BUSY", "BUSY", "BUSY", "OK", "OK"}, "2.10"},
                    BusyCase{"busy=2,busy-end=ERROR", {"BUSY", "BUSY", "ERROR"}, "1.00"}));

TEST_F(ProgramsTest, FirmwareWithoutVersionLineKeepsTheVersionAndBadAccessIsRefused)
{
    ASSERT_TRUE(startUnit());
    const HttpClient http = client();
    EXPECT_EQ(http.postForm("/prg_upload.cgi", {{"access", "APP"}, {"file", "raw"}}).body, "OK");
    EXPECT_EQ(http.get("/prg_version.cgi").body, "1.00\r\n");
    EXPECT_EQ(http.postForm("/prg_upload.cgi", {{"access", "X"}, {"file", "raw"}}).body, "ERROR");
    EXPECT_EQ(http.get("/prg_upload.cgi").body, "ERROR");
    EXPECT_EQ(http.postForm("/msg_upload.cgi", {{"access", "X"}, {"file", "m"}}).body, "ERROR");
    EXPECT_EQ(file("messages/001.pmf"), "");
}

TEST_F(ProgramsTest, MessagesTakeTheNextNumber)
{
    ASSERT_TRUE(startUnit());
    for (const char* message : {"first", "second"})
        EXPECT_EQ(client()
                      .postForm("/msg_upload.cgi",
                                {{"access", "APP"}, {"file", message}, {"upload", "test"}})
                      .body,
                  "OK");
    EXPECT_EQ(file("messages/001.pmf"), "first");
    EXPECT_EQ(file("messages/002.pmf"), "second");
}

TEST_F(ProgramsTest, ClockKeepsOnlyWellFormedTimes)
{
    ASSERT_TRUE(startUnit());
    const HttpClient http = client();
    const char* form = "application/x-www-form-urlencoded";
    EXPECT_EQ(http.post("/time.cgi", form, "t_yy=Dec%2F06%2F2026&t_hh=09&t_mm=05").body, "OK");
    for (const char* bad :
         {"t_yy=Dec%2F06%2F2026&t_hh=24&t_mm=05", "t_yy=Dez%2F06%2F2026&t_hh=10&t_mm=05",
          "t_yy=Dec%2F06%2F2026&t_hh=9&t_mm=05", "t_yy=Dec%2F06%2F2026&t_hh=10"})
        EXPECT_EQ(http.post("/time.cgi", form, bad).body, "ERROR") << bad;
    EXPECT_EQ(state("clock_yy"), "Dec/06/2026");
    EXPECT_EQ(state("clock_hh"), "09");
    EXPECT_EQ(state("clock_mm"), "05");
}

TEST_F(ProgramsTest, UnknownPathsAndMethodsAreNotFound)
{
    ASSERT_TRUE(startUnit());
    const HttpClient http = client();
    EXPECT_EQ(http.get("/index.html").status, 404);
    EXPECT_EQ(http.get("/file_upload.cgi").status, 404);
    EXPECT_EQ(http.post("/reset.cgi", "text/plain", "").status, 404);
    EXPECT_EQ(state("resets"), "0");
}

} // namespace
