// The units' discovery side over a real broadcast: run by scripts/in-netns --units-side 1,
// the simulator in the units' namespace, the test as the program on 198.18.1.1 (r4k0).
#include "DiscoveryBytes.h"
#include "DiscoveryCodec.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"
#include "UnitStateFolder.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using DiscoveryBytes::hex;
using DiscoveryBytes::padded;

constexpr const char* kProgram = "198.18.1.1";

struct Datagram {
    std::string bytes;
    std::string from; // address:port
};

class DiscoveryLanTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (UnitSimProcess::unitsNamespace().empty())
            GTEST_SKIP() << "runs under scripts/in-netns --units-side 1";
        if (::access(UnitSimProcess::kNsenter, X_OK) != 0)
            GTEST_SKIP() << "needs " << UnitSimProcess::kNsenter;
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        ASSERT_GE(fd_, 0);
        const int on = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        ::inet_pton(AF_INET, kProgram, &address.sin_addr);
        ASSERT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
            << "no " << kProgram << " here: not under scripts/in-netns --units-side";
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }

    void TearDown() override
    {
        sim_.reset();
        if (fd_ >= 0)
            ::close(fd_);
    }

    // Starts r4000-unitsim in the units' namespace with these units ("dir=" is added).
    testing::AssertionResult startUnits(const std::vector<std::string>& units)
    {
        sim_.reset();
        std::vector<std::string> descriptions;
        for (std::size_t i = 0; i < units.size(); ++i)
            descriptions.push_back(units[i] + ",dir=" + dir(i + 1));
        sim_ = UnitSimProcess::inUnitsNamespace(descriptions);
        if (sim_->ready())
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "not ready: " << sim_->errorOutput();
    }

    std::string dir(std::size_t unit) const { return temp_.path() + "/" + std::to_string(unit); }

    std::string file(std::size_t unit, const std::string& name) const
    {
        return UnitStateFolder::file(dir(unit), name);
    }
    std::string state(std::size_t unit, const std::string& key) const
    {
        return UnitStateFolder::value(dir(unit), key);
    }

    // Broadcasts a command to port 15000; sealed with the check value for kProgram.
    void broadcast(std::string packet, bool seal = true)
    {
        DiscoveryCodec::Ipv4 self{};
        DiscoveryCodec::parseIpv4(kProgram, self);
        if (seal)
            DiscoveryCodec::seal(self, packet);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(15000);
        to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        ASSERT_EQ(::sendto(fd_, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to),
                           sizeof to),
                  static_cast<ssize_t>(packet.size()));
    }

    // What comes back: everything until count datagrams are in and then for quiet more, or
    // until the limit.
    std::vector<Datagram> receive(std::size_t count, std::chrono::milliseconds quiet = 200ms,
                                  std::chrono::milliseconds limit = 3s)
    {
        std::vector<Datagram> got;
        auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            if (got.size() >= count && deadline > std::chrono::steady_clock::now() + quiet)
                deadline = std::chrono::steady_clock::now() + quiet;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd fd{fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
                return got;
            char buffer[512];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                         reinterpret_cast<sockaddr*>(&from), &length);
            if (n < 0)
                return got;
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
            got.push_back({std::string(buffer, static_cast<std::size_t>(n)),
                           std::string(text) + ":" + std::to_string(ntohs(from.sin_port))});
        }
    }

    // The one datagram that came from this address:port, or an empty one.
    static Datagram from(const std::vector<Datagram>& got, const std::string& source)
    {
        Datagram found;
        for (const Datagram& datagram : got) {
            EXPECT_TRUE(found.bytes.empty() || datagram.from != source) << "two from " << source;
            if (datagram.from == source)
                found = datagram;
        }
        return found;
    }

    static std::string request() { return hex("90 0000"); }

    static std::string write(const std::string& mac, const std::string& ip, const std::string& name,
                             const std::string& port)
    {
        return hex("A0" + mac + ip + "FFFFFF00 C6120101") + padded(name, 32) +
               "2026/05/04 10:20:30" + hex("00" + port + "0000");
    }

    static std::string reset(const std::string& mac) { return hex("B0" + mac + "0000"); }

    // A TCP connection to address:port can be made.
    static bool connects(const char* address, unsigned port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<uint16_t>(port));
        ::inet_pton(AF_INET, address, &to.sin_addr);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
        ::close(fd);
        return ok;
    }

    std::string peer() const { return std::string(kProgram) + ":" + std::to_string(port_); }

    TempFolder temp_;
    int fd_ = -1;
    unsigned port_ = 0;
    std::unique_ptr<UnitSimProcess> sim_;
};

const char* const kOffice = "address=198.18.1.11,port=8080,mac=00-11-22-33-44-55,model=R-4120EX,"
                            "unitname=Office,mask=255.255.0.0,gateway=198.18.1.254,"
                            "udp-restart-ms=300";

TEST_F(DiscoveryLanTest, EveryUnitReportsFromItsOwnAddress)
{
    ASSERT_TRUE(startUnits({kOffice, "address=198.18.1.12,udp-long-name,udp-zero-model"}));
    broadcast(request());
    const std::vector<Datagram> got = receive(2);
    ASSERT_EQ(got.size(), 2u);
    const std::string office = hex("91 00 001122334455 C612010B FFFF0000 C61201FE") +
                               padded("Office", 32) + hex("1F90") + padded("R-4120EX", 16);
    EXPECT_EQ(DiscoveryCodec::hex(from(got, "198.18.1.11:15000").bytes),
              DiscoveryCodec::hex(office));
    EXPECT_EQ(DiscoveryCodec::hex(from(got, "198.18.1.12:15000").bytes),
              DiscoveryCodec::hex(hex("91 00 0200C612010C C612010C FFFFFF00 00000000") +
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" + hex("0050") +
                                  padded("", 16)));

    DiscoveryCodec::Ipv4 self{};
    DiscoveryCodec::parseIpv4(kProgram, self);
    EXPECT_EQ(file(1, "udp.log"),
              "in " + peer() + " " + DiscoveryCodec::hex(DiscoveryCodec::request(self)) +
                  " request\nout " + peer() + " " + DiscoveryCodec::hex(office) + " report\n");
}

TEST_F(DiscoveryLanTest, IgnoresWhatIsNotAValidCommand)
{
    ASSERT_TRUE(startUnits({kOffice}));
    std::string badCheck = request();
    DiscoveryCodec::Ipv4 other = {198, 18, 1, 2};
    DiscoveryCodec::seal(other, badCheck); // sealed for another sender
    broadcast(badCheck, false);
    broadcast(hex("90 0000 00"));                  // a byte too many
    broadcast(hex("91 00 001122334455 0000"));     // not a command
    broadcast(reset("001122334455").substr(0, 8)); // cut short
    broadcast(request());
    EXPECT_EQ(receive(1).size(), 1u) << "only the last one is answered";

    std::istringstream log(file(1, "udp.log"));
    std::vector<std::string> verdicts;
    for (std::string line; std::getline(log, line);)
        if (line.rfind("in ", 0) == 0)
            verdicts.push_back(line.substr(line.find(' ', line.find(' ', 3) + 1) + 1));
    EXPECT_EQ(verdicts,
              (std::vector<std::string>{"ignored: bad check value", "ignored: 4 bytes, not 3",
                                        "ignored: not a request, write or reset",
                                        "ignored: 8 bytes, not 9", "request"}));
}

// Write, reset, silence while it restarts, then the written settings: in discovery, on HTTP
// and after the program starts again from the same folders.
TEST_F(DiscoveryLanTest, WriteAndResetMoveTheUnit)
{
    ASSERT_TRUE(startUnits({kOffice, "address=198.18.1.12"}));
    ASSERT_TRUE(connects("198.18.1.11", 8080));

    broadcast(write("0011223344AA", "C6120115", "Moved", "1F91")); // no such unit
    broadcast(write("001122334455", "C6120115", "Moved", "1F91"));
    std::vector<Datagram> got = receive(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].from, "198.18.1.11:15000");
    EXPECT_EQ(DiscoveryCodec::hex(got[0].bytes), "A100001122334455");
    EXPECT_EQ(state(1, "written_ip"), "198.18.1.21");
    EXPECT_EQ(state(2, "written_ip"), "<missing>");

    broadcast(request());
    got = receive(2);
    EXPECT_EQ(DiscoveryCodec::hex(from(got, "198.18.1.11:15000").bytes.substr(8, 4)), "C612010B")
        << "the write waits for a restart";

    const auto resetAt = std::chrono::steady_clock::now();
    broadcast(reset("001122334455"));
    got = receive(1, 0ms);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].from, "198.18.1.11:15000");
    EXPECT_EQ(DiscoveryCodec::hex(got[0].bytes), "B100001122334455");

    broadcast(request());
    got = receive(1, 100ms);
    ASSERT_EQ(got.size(), 1u) << "silent while it restarts";
    EXPECT_EQ(got[0].from, "198.18.1.12:15000");
    EXPECT_FALSE(connects("198.18.1.11", 8080));

    const std::string moved = hex("91 00 001122334455 C6120115 FFFFFF00 C6120101") +
                              padded("Moved", 32) + hex("1F91") + padded("R-4120EX", 16);
    Datagram report;
    while (report.bytes.empty() && std::chrono::steady_clock::now() < resetAt + 5s) {
        broadcast(request());
        report = from(receive(2, 0ms, 100ms), "198.18.1.21:15000");
    }
    EXPECT_GE(std::chrono::steady_clock::now() - resetAt, 300ms);
    EXPECT_EQ(DiscoveryCodec::hex(report.bytes), DiscoveryCodec::hex(moved));
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!connects("198.18.1.21", 8081) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(connects("198.18.1.21", 8081));
    EXPECT_FALSE(connects("198.18.1.11", 8080));
    // The state file follows the restart a moment after the unit answers again.
    const auto settled = std::chrono::steady_clock::now() + 3s;
    while (state(1, "written_ip") != "<missing>" && std::chrono::steady_clock::now() < settled)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(state(1, "resets"), "1");
    EXPECT_EQ(state(1, "written_ip"), "<missing>");

    // Like a unit switched off and on: it keeps the written settings.
    ASSERT_TRUE(startUnits({kOffice, "address=198.18.1.12"}));
    broadcast(request());
    EXPECT_EQ(DiscoveryCodec::hex(from(receive(2), "198.18.1.21:15000").bytes),
              DiscoveryCodec::hex(moved));
}

// An address and port that another unit holds: the unit cannot serve HTTP there, but still
// answers discovery.
TEST_F(DiscoveryLanTest, AWrittenAddressThatCannotBeBoundKeepsDiscoveryGoing)
{
    ASSERT_TRUE(startUnits({kOffice, "address=198.18.1.12"}));
    broadcast(write("001122334455", "C612010C", "Twin", "0050"));
    broadcast(reset("001122334455"));
    ASSERT_EQ(receive(2).size(), 2u);

    const auto deadline = std::chrono::steady_clock::now() + 5s;
    std::string error;
    while (error.find("HTTP is off") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
        error = sim_->errorOutput();
    }
    EXPECT_NE(error.find("198.18.1.12:80: Address already in use"), std::string::npos) << error;
    broadcast(request());
    const std::vector<Datagram> got = receive(2);
    ASSERT_EQ(got.size(), 2u) << "both units at 198.18.1.12 answer";
    EXPECT_NE(got[0].bytes.substr(2, 6), got[1].bytes.substr(2, 6));
}

TEST_F(DiscoveryLanTest, MisbehavingUnits)
{
    ASSERT_TRUE(
        startUnits({"address=198.18.1.11,udp-silent", "address=198.18.1.12,udp-duplicate",
                    "address=198.18.1.13,udp-model=QG-210", "address=198.18.1.14,no-write-ack",
                    "address=198.18.1.15,no-reset-ack,udp-restart-ms=100"}));
    broadcast(request());
    const std::vector<Datagram> got = receive(5);
    std::map<std::string, int> counts;
    for (const Datagram& datagram : got)
        ++counts[datagram.from];
    EXPECT_EQ(counts, (std::map<std::string, int>{{"198.18.1.12:15000", 2},
                                                  {"198.18.1.13:15000", 1},
                                                  {"198.18.1.14:15000", 1},
                                                  {"198.18.1.15:15000", 1}}));
    EXPECT_EQ(from(got, "198.18.1.13:15000").bytes.substr(54), padded("QG-210", 16));
    EXPECT_NE(file(1, "udp.log").find(" ignored: udp-silent\n"), std::string::npos);

    broadcast(write("0200C612010E", "C612011E", "Quiet", "0050"));
    broadcast(reset("0200C612010F"));
    EXPECT_EQ(receive(0, 300ms).size(), 0u) << "neither is acknowledged";
    EXPECT_EQ(state(4, "written_ip"), "198.18.1.30");
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (state(5, "resets") != "1" && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(state(5, "resets"), "1") << "the reset went ahead";
}

} // namespace
