#include "UnitSimFixture.h"

#include <cstdio>

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
        BadArguments{{}, "no --unit"}, BadArguments{{"--unit"}, "needs a UNIT"},
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
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,mac=00-11-22-33-44"}, "MAC"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,model=QG-210"}, "udp-model="},
        BadArguments{
            {"--unit", "address=127.0.0.2,dir=DIR,unitname=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"},
            "32 bytes"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,mask=255.255.255"}, "IPv4"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,udp-restart-ms=soon"}, "milliseconds"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,udp-model=SEVENTEEN-LETTERS"},
                     "16 bytes"},
        BadArguments{{"--unit", "address=127.0.0.2,dir=DIR,no-reset-ack=yes"}, "no value"},
        BadArguments{{"--unit=address=127.0.0.2,port=18000,dir=DIR", "--unit",
                      "address=127.0.0.2,port=18000,dir=DIR/other"},
                     "taken"}));

TEST_F(CommandLineTest, HelpDescribesEveryKeyAndVersionNamesTheTool)
{
    UnitSimProcess process(UnitSimProcess::Arguments{{"--help"}});
    EXPECT_EQ(process.wait(), 0);
    for (const char* word :
         {"usage: r4000-unitsim --unit UNIT", "address=", "restart-ms=", "busy-end=", "unreachable",
          "requests.log", "mac=", "udp-restart-ms=", "udp-long-name", "no-reset-ack", "udp.log"})
        EXPECT_NE(process.output().find(word), std::string::npos) << word;
    UnitSimProcess version(UnitSimProcess::Arguments{{"--version"}});
    EXPECT_EQ(version.wait(), 0);
    EXPECT_EQ(version.output().rfind("r4000-unitsim 1.", 0), 0u) << version.output();
}

// What the unit tells on the discovery protocol, as state.txt records it.
TEST_F(CommandLineTest, DiscoverySettingsAndTheirDefaults)
{
    ASSERT_TRUE(startUnit());
    std::vector<std::string> parts;
    std::istringstream dotted(address);
    for (std::string part; std::getline(dotted, part, '.');)
        parts.push_back(part);
    char mac[32];
    std::snprintf(mac, sizeof mac, "02-00-%02X-%02X-%02X-%02X", std::stoi(parts[0]),
                  std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3]));
    EXPECT_EQ(state("mac"), mac);
    EXPECT_EQ(state("ip"), address);
    EXPECT_EQ(state("mask"), "255.255.255.0");
    EXPECT_EQ(state("gateway"), "0.0.0.0");
    EXPECT_EQ(state("webport"), std::to_string(port));
    EXPECT_EQ(state("model"), "R-4100EX");
    EXPECT_EQ(state("unitname"), "EX" + parts[3]);

    // Another start with other values: the hardware's (MAC, model) change, the folder keeps
    // the rest.
    ASSERT_TRUE(startUnit("mac=0a:1b:2c:3d:4e:5f,model=R-4760DS,unitname=Gate,mask=255.0.0.0,"
                          "gateway=127.0.0.1"));
    EXPECT_EQ(state("mac"), "0A-1B-2C-3D-4E-5F");
    EXPECT_EQ(state("model"), "R-4760DS");
    EXPECT_EQ(state("unitname"), "EX" + parts[3]);
    EXPECT_EQ(state("mask"), "255.255.255.0");
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
    std::vector<std::string> descriptions;
    for (int n = 1; n <= 80; ++n)
        descriptions.push_back("address=127.0.1." + std::to_string(n) +
                               ",port=" + std::to_string(port) + ",dir=" + temp.path() + "/u" +
                               std::to_string(n) + ",name=Unit" + std::to_string(n) +
                               ",password=p" + std::to_string(n));
    UnitSimProcess process(descriptions);
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
