#include "UnitSimFixture.h"

namespace {

class MisbehaviourTest : public UnitSimFixture
{
};

TEST_F(MisbehaviourTest, StallSendsHalfTheBodyAndHoldsTheRestUntilShutDown)
{
    ASSERT_TRUE(startUnit("stall"));
    HttpClient http = client();
    http.setTimeoutMs(700);
    const HttpReply reply = http.get("/");
    EXPECT_EQ(reply.code, CURLE_OPERATION_TIMEDOUT);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.header("Content-Length"), "13");
    EXPECT_EQ(reply.body, "R-4000") << "6 of the 13 bytes";
    EXPECT_EQ(http.get("/nothing").status, 404) << "only 200 answers stall";

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(sim->stop(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(MisbehaviourTest, NoLengthAnswersChunked)
{
    ASSERT_TRUE(startUnit("no-length"));
    const HttpReply reply = client().get("/prg_version.cgi");
    EXPECT_EQ(reply.code, CURLE_OK);
    EXPECT_EQ(reply.status, 200);
    EXPECT_FALSE(reply.hasHeader("Content-Length"));
    EXPECT_EQ(reply.header("Transfer-Encoding"), "chunked");
    EXPECT_EQ(reply.body, "1.00\r\n");
}

TEST_F(MisbehaviourTest, UnreachableUnitIsReadyButDoesNotListen)
{
    ASSERT_TRUE(startUnit("unreachable"));
    EXPECT_EQ(client().get("/").code, CURLE_COULDNT_CONNECT);
    EXPECT_EQ(state("name"), "R-4000") << "its state folder is made all the same";
}

TEST_F(MisbehaviourTest, DelayHoldsEveryAnswer)
{
    ASSERT_TRUE(startUnit("delay-ms=300"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client().get("/").status, 200);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

} // namespace
