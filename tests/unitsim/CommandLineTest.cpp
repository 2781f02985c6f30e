#include "UnitSimFixture.h"

namespace {

class CommandLineTest : public UnitSimFixture
{
};

struct BadArguments {
    std::vector<std::string> words;
    const char* message; // part of the complaint on stderr
};

class BadArgumentsTest : public UnitSimFixture, public testing::WithParamInterface<BadArguments>
{
};

TEST_P(BadArgumentsTest, ExitTwoWithAMessage)
{
    std::vector<std::string> words;
    for (const std::string& word : GetParam().words)
        words.push_back(word == "DIR" ? dir() : word);
    UnitSimProcess process(UnitSimProcess::Arguments{words});
    EXPECT_FALSE(process.ready());
    EXPECT_EQ(process.wait(), 2);
    EXPECT_NE(process.errorOutput().find(GetParam().message), std::string::npos)
        << process.errorOutput();
    EXPECT_EQ(file("state.txt"), "") << "nothing started";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadArgumentsTest,
    testing::Values(
        BadArguments{{}, "no --unit"}, BadArguments{{"--unit"}, "needs a SPEC"},
        BadArguments{{"--bogus"}, "unknown argument"},
        BadArguments{{"--unit", "dir=DIR"}, "address"},
        BadArguments{{"--unit", "address=127.0.0.2"}, "dir"},
        BadArguments{{"--unit", "address=127.0.0.256,dir=DIR"}, "IPv4"},
        BadArguments{{"--unit", "address=127.0.0.2,port=70000,dir=DIR"}, "port"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,colour=red"}, "unknown key"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,auth=ntlm"}, "basic or digest"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,stall=1"}, "no value"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,busy=many"}, "count"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,password=sixteen-letters!"}, "15"},
        BadArguments{{"--unit=address=127.0.0.2,port=18000,dir=DIR", "--unit",
                      "address=127.0.0.2,port=18000,dir=DIR/other"},
                     "taken"}));

TEST_F(CommandLineTest, HelpDescribesTheSpec)
{
    UnitSimProcess process(UnitSimProcess::Arguments{{"--help"}});
    EXPECT_EQ(process.wait(), 0);
    for (const char* word : {"usage: r4000-unitsim --unit SPEC",
                             "address=", "restart-ms=", "busy-end=", "unreachable", "requests.log"})
        EXPECT_NE(process.output().find(word), std::string::npos) << word;
}

TEST_F(CommandLineTest, AUnitThatCannotListenEndsTheProgram)
{
    ASSERT_TRUE(startUnit());
    UnitSimProcess second({"address=" + address + ",port=" + std::to_string(port) +
                           ",dir=" + temp.path() + "/second"});
    EXPECT_FALSE(second.ready());
    EXPECT_EQ(second.wait(), 1);
    EXPECT_NE(second.errorOutput().find("Address already in use"), std::string::npos)
        << second.errorOutput();
    EXPECT_EQ(client().get("/").status, 200) << "the first one is unharmed";
}

TEST_F(CommandLineTest, EightyUnitsInOneProcess)
{
    std::vector<std::string> specs;
    for (int n = 1; n <= 80; ++n)
        specs.push_back("address=127.0.1." + std::to_string(n) + ",port=" + std::to_string(port) +
                        ",dir=" + temp.path() + "/u" + std::to_string(n) + ",name=Unit" +
                        std::to_string(n) + ",password=p" + std::to_string(n));
    UnitSimProcess process(specs);
    ASSERT_TRUE(process.ready()) << process.errorOutput();
    for (int n : {1, 40, 80}) {
        HttpClient http("127.0.1." + std::to_string(n), port);
        http.setCredentials("Unit" + std::to_string(n), "p" + std::to_string(n),
                            HttpClient::Auth::Basic);
        EXPECT_EQ(http.get("/").status, 200) << n;
    }
    EXPECT_EQ(process.stop(), 0);
}

} // namespace
