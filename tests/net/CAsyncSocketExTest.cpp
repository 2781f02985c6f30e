// The socket layer: events reach every listener on the owner's thread, and a listener may
// close the socket and leave while it is being told.
#include "CAsyncSocketEx.h"

#include "CAsyncSocketExAdapter.h"
#include "EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Listener : CAsyncSocketExAdapter {
    std::function<void(CAsyncSocketEx&)> react;
    int received = 0;
    void onReceive(CAsyncSocketEx& socket, int) override
    {
        ++received;
        if (react)
            react(socket);
    }
};

TEST(CAsyncSocketEx, ListenerMayCloseTheSocketAndLeaveWhileTold)
{
    CAsyncSocketEx receiver;
    ASSERT_TRUE(receiver.create("127.0.0.1", 0, CAsyncSocketEx::Receive));
    Listener first;
    Listener second;
    receiver.addListener(&first);
    receiver.addListener(&first); // once only
    receiver.addListener(&second);
    // The first reads the datagram, closes the socket and takes both off.
    first.react = [&](CAsyncSocketEx& socket) {
        std::uint8_t buffer[16];
        std::string from;
        EXPECT_EQ(socket.receiveFrom(buffer, sizeof buffer, &from), 3);
        EXPECT_EQ(from, "127.0.0.1");
        socket.close();
        socket.removeListener(&first);
        socket.removeListener(&second);
    };

    // A socket bound to any address sends from the address it is told.
    CAsyncSocketEx sender;
    ASSERT_TRUE(sender.create({}, 0, 0));
    EXPECT_EQ(receiver.localAddress(), "127.0.0.1");
    const std::uint8_t datagram[] = {1, 2, 3};
    ASSERT_TRUE(
        sender.sendTo(datagram, sizeof datagram, "127.0.0.1", receiver.localPort(), "127.0.0.1"));
    runFor(200);
    EXPECT_EQ(first.received, 1);
    EXPECT_EQ(second.received, 0);
    EXPECT_FALSE(receiver.isOpen());
}

TEST(CAsyncSocketEx, FailuresAreReportedNotThrown)
{
    CAsyncSocketEx socket;
    EXPECT_FALSE(socket.create("not an address", 0, 0));
    EXPECT_FALSE(socket.create("192.0.2.1", 0, 0)); // not an address of this machine
    EXPECT_NE(socket.lastError(), 0);
    const std::uint8_t byte = 0;
    EXPECT_FALSE(socket.sendTo(&byte, 1, "127.0.0.1", 9));
    ASSERT_TRUE(socket.create({}, 0, 0));
    EXPECT_FALSE(socket.sendTo(&byte, 1, "127.0.0.1", 9, "not an address"));
    std::uint8_t buffer[4];
    EXPECT_EQ(socket.receiveFrom(buffer, sizeof buffer), -1);
}

} // namespace
