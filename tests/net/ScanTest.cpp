// Scans, writes and resets on loopback: the broadcast goes to one address and port where a
// fake unit answers, so the whole exchange runs without any network of its own.
#include "EventLoop.h"
#include "Scan.h"

#include "CmdReport.h"
#include "CmdRequest.h"
#include "CmdWriteAck.h"
#include "ScanListener.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

// A unit on 127.0.0.1: answers every datagram it gets through answer(), on its own thread.
class FakeUnit
{
public:
    struct Received {
        Bytes bytes;
        std::string from;
        Clock::time_point at;
    };
    using Answer = std::function<std::vector<Bytes>(const Bytes& request)>;

    explicit FakeUnit(Answer answer) : answer_(std::move(answer))
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~FakeUnit()
    {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }

    std::uint16_t port() const { return port_; }
    std::vector<Received> received()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return received_;
    }

private:
    void serve()
    {
        while (!stop_) {
            pollfd wait{fd_, POLLIN, 0};
            if (::poll(&wait, 1, 20) <= 0)
                continue;
            std::uint8_t buffer[2048];
            sockaddr_in from{};
            socklen_t size = sizeof from;
            const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                         reinterpret_cast<sockaddr*>(&from), &size);
            if (n < 0)
                continue;
            const Bytes request(buffer, buffer + n);
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                received_.push_back({request, text, Clock::now()});
            }
            for (const Bytes& reply : answer_(request))
                ::sendto(fd_, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from),
                         size);
        }
    }

    Answer answer_;
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Received> received_;
};

Bytes reportOf(std::uint8_t last, const std::string& name, const std::string& model = "R-4100EX")
{
    Bytes b(70, 0);
    b[0] = 0x91;
    const Bytes mac{0x02, 0x00, 0xC6, 0x12, 0x01, last};
    std::copy(mac.begin(), mac.end(), b.begin() + 2);
    const Bytes addresses{198, 18, 1, last, 255, 255, 255, 0, 0, 0, 0, 0};
    std::copy(addresses.begin(), addresses.end(), b.begin() + 8);
    std::copy(name.begin(), name.end(), b.begin() + 20);
    b[53] = 80;
    std::copy(model.begin(), model.end(), b.begin() + 54);
    return b;
}

Bytes ackOf(std::uint8_t code, const Bytes& command)
{
    Bytes ack(8, 0);
    ack[0] = code;
    ack[1] = 1;
    std::copy(command.begin() + 1, command.begin() + 7, ack.begin() + 2);
    return ack;
}

struct Recorder : ScanListener {
    int finished = 0;
    std::vector<std::string> acks;
    void onScanFinished() override { ++finished; }
    void onWriteAck(std::uint8_t status, const MacAddress& mac) override
    {
        acks.push_back("write " + std::to_string(status) + " " + ScanElement::macText(mac));
    }
    void onResetAck(std::uint8_t status, const MacAddress& mac) override
    {
        acks.push_back("reset " + std::to_string(status) + " " + ScanElement::macText(mac));
    }
};

class ScanTest : public testing::Test
{
protected:
    // Three interfaces on loopback, every duration a twentieth of the real one.
    Scan::Options options(const FakeUnit& unit, std::size_t maxUnits = 4096)
    {
        Scan::Options o;
        o.localAddresses = [] {
            return std::vector<std::string>{"127.0.0.1", "127.0.0.2", "127.0.0.3"};
        };
        o.broadcastAddress = "127.0.0.1";
        o.port = unit.port();
        o.timeScale = 0.05;
        o.maxUnits = maxUnits;
        return o;
    }
    Recorder recorder;
};

TEST_F(ScanTest, InterfacesTakeTurnsAndTheScanFinishesOnce)
{
    // Each request gets two reports of unit 11 (the first wins), one of unit 12 without a
    // model, and a datagram that is no answer.
    FakeUnit unit([](const Bytes&) {
        return std::vector<Bytes>{reportOf(11, "first"), reportOf(11, "second"),
                                  reportOf(12, "door", ""), Bytes{0x42, 0x00}};
    });
    Scan scan(options(unit));
    scan.addListener(&recorder);
    const auto start = Clock::now();
    ASSERT_TRUE(scan.startScan());
    EXPECT_EQ(scan.scanDuration(), 3 * 150);
    ASSERT_TRUE(runUntil([&] { return recorder.finished > 0; }, 5000));
    const auto finished = Clock::now();
    runFor(200);
    EXPECT_EQ(recorder.finished, 1);
    EXPECT_GE(finished - start, std::chrono::milliseconds(400));

    const auto requests = unit.received();
    ASSERT_EQ(requests.size(), 3u);
    const char* order[] = {"127.0.0.1", "127.0.0.2", "127.0.0.3"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(requests[i].from, order[i]);
        EXPECT_EQ(requests[i].bytes, CmdRequest(order[i]).bytes());
        if (i > 0) {
            EXPECT_GE(requests[i].at - requests[i - 1].at, std::chrono::milliseconds(120));
        }
    }

    ASSERT_EQ(scan.count(), 2u);
    const ScanElement* eleven = scan.find("02-00-C6-12-01-0B");
    ASSERT_NE(eleven, nullptr);
    EXPECT_EQ(eleven->unitName, "first");
    EXPECT_EQ(eleven->localAddress, "127.0.0.1");
    EXPECT_EQ(scan.find("02-00-C6-12-01-0C")->modelName, "QG-210");
}

TEST_F(ScanTest, WriteAndResetAreAcknowledgedFromTheUnitsInterface)
{
    FakeUnit unit([](const Bytes& command) {
        if (command[0] == 0xA0)
            return std::vector<Bytes>{ackOf(0xA1, command)};
        if (command[0] == 0xB0)
            return std::vector<Bytes>{ackOf(0xB1, command)};
        return std::vector<Bytes>{};
    });
    Scan scan(options(unit));
    scan.addListener(&recorder);
    ScanElement element;
    element.macAddress = {0x02, 0x00, 0xC6, 0x12, 0x01, 0x0B};
    element.ipAddress = Ipv4Address(198, 18, 1, 50);
    element.subnetMask = Ipv4Address(255, 255, 255, 0);
    element.unitName = "Lobby";
    element.webPort = 8080;
    element.localAddress = "127.0.0.2";
    ASSERT_TRUE(scan.writeUnit(element));
    ASSERT_TRUE(runUntil([&] { return recorder.acks.size() == 1; }, 3000));
    ASSERT_TRUE(scan.restartUnit(element));
    ASSERT_TRUE(runUntil([&] { return recorder.acks.size() == 2; }, 3000));
    EXPECT_EQ(recorder.acks,
              (std::vector<std::string>{"write 1 02-00-C6-12-01-0B", "reset 1 02-00-C6-12-01-0B"}));
    const auto commands = unit.received();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].from, "127.0.0.2");
    EXPECT_EQ(commands[0].bytes.size(), 75u);
    const auto check = ScanCommand::checkValue("127.0.0.2", commands[0].bytes.data(), 73);
    EXPECT_EQ(commands[0].bytes[73], check[0]);
    EXPECT_EQ(commands[0].bytes[74], check[1]);
    EXPECT_EQ(commands[1].bytes.size(), 9u);
}

TEST_F(ScanTest, WriteWithoutAKnownInterfaceGoesOutEverywhereAndSilenceTellsNoOne)
{
    FakeUnit unit([](const Bytes&) { return std::vector<Bytes>{}; });
    Scan scan(options(unit));
    scan.addListener(&recorder);
    ScanElement element;
    element.macAddress = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(scan.writeUnit(element));
    runFor(3 * 150 + 300);
    EXPECT_EQ(unit.received().size(), 3u);
    EXPECT_TRUE(recorder.acks.empty());
    EXPECT_EQ(recorder.finished, 0);
}

TEST_F(ScanTest, NoInterfaceNothingSent)
{
    FakeUnit unit([](const Bytes&) { return std::vector<Bytes>{}; });
    Scan::Options none = options(unit);
    none.localAddresses = [] { return std::vector<std::string>{}; };
    Scan scan(none);
    EXPECT_FALSE(scan.startScan());
    EXPECT_FALSE(scan.writeUnit({}));
    EXPECT_FALSE(scan.restartUnit({}));
    EXPECT_EQ(scan.scanDuration(), 0);
}

TEST_F(ScanTest, AFloodOfMadeUpUnitsStopsAtTheTableLimit)
{
    FakeUnit unit([](const Bytes&) {
        std::vector<Bytes> flood;
        for (int i = 0; i < 50; ++i)
            flood.push_back(reportOf(std::uint8_t(i), "x"));
        return flood;
    });
    Scan scan(options(unit, 10));
    scan.addListener(&recorder);
    ASSERT_TRUE(scan.startScan());
    ASSERT_TRUE(runUntil([&] { return recorder.finished > 0; }, 5000));
    EXPECT_EQ(scan.count(), 10u);
}

} // namespace
