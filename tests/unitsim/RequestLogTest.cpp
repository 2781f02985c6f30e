#include "UnitSimFixture.h"

#include <sys/stat.h>

namespace {

using Auth = HttpClient::Auth;

class RequestLogTest : public UnitSimFixture
{
};

// Every byte value, and text that comes close to a delimiter without being one.
std::string binaryMessage()
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    const std::string boundary = HttpClient::kBoundary;
    return bytes + "\r\n--" + boundary.substr(0, boundary.size() - 1) + "\r\n\r\nx--" + boundary;
}

TEST_F(RequestLogTest, KeepsEachRequestAsReceived)
{
    ASSERT_TRUE(startUnit());
    const std::string message = binaryMessage();
    const std::vector<std::pair<std::string, std::string>> fields = {
        {"access", "APP"}, {"file", message}, {"upload", "test"}};
    const HttpReply stored = client().postForm("/msg_upload.cgi", fields);
    EXPECT_EQ(stored.body, "OK");
    EXPECT_EQ(file("messages/001.pmf"), message);

    EXPECT_EQ(client("intruder", "x").get("/prg_upload.cgi?access=APP").status, 401);
    EXPECT_EQ(client("", "", Auth::None).get("/nothing.cgi").status, 401);
    EXPECT_EQ(client().get("/nothing.cgi").status, 404);

    EXPECT_EQ(file("requests.log"), "000001 POST /msg_upload.cgi 200 auth=R-4000\n"
                                    "000002 GET /prg_upload.cgi?access=APP 401 auth=intruder\n"
                                    "000003 GET /nothing.cgi 401 auth=-\n"
                                    "000004 GET /nothing.cgi 404 auth=R-4000\n");

    const std::string request = file("requests/000001.txt");
    const std::size_t end = request.find("\r\n\r\n");
    ASSERT_NE(end, std::string::npos);
    const std::string head = request.substr(0, end + 2);
    EXPECT_EQ(head.rfind("POST /msg_upload.cgi HTTP/1.1\r\n", 0), 0u) << head;
    EXPECT_NE(head.find("\r\nContent-Type: multipart/form-data; boundary=" +
                        std::string(HttpClient::kBoundary) + "\r\n"),
              std::string::npos)
        << head;
    EXPECT_NE(head.find("\r\nAuthorization: Basic "), std::string::npos) << head;
    // The requests carry passwords: the unit's files are its user's alone.
    for (const char* path : {"", "/requests", "/requests/000001.txt", "/requests.log"}) {
        struct stat info {
        };
        ASSERT_EQ(::stat((dir() + path).c_str(), &info), 0) << path;
        EXPECT_EQ(info.st_mode & 077, 0u) << path;
    }
    EXPECT_EQ(request.substr(end + 4), HttpClient::multipart(fields));
    EXPECT_EQ(file("requests/000003.txt").rfind("GET /nothing.cgi HTTP/1.1\r\n", 0), 0u);
}

TEST_F(RequestLogTest, NumberingGoesOnAfterAResume)
{
    ASSERT_TRUE(startUnit());
    EXPECT_EQ(client().get("/").status, 200);
    ASSERT_TRUE(startUnit());
    EXPECT_EQ(client().post("/time.cgi", "application/x-www-form-urlencoded", "t_hh=1").status,
              200);
    EXPECT_EQ(file("requests.log"), "000001 GET / 200 auth=R-4000\n"
                                    "000002 POST /time.cgi 200 auth=R-4000\n");
    EXPECT_EQ(file("requests/000002.txt").substr(file("requests/000002.txt").size() - 6), "t_hh=1");
}

} // namespace
