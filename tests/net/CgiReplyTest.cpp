// Replies no unit should send: the client fails the call instead of trusting them.
#include "Cgi.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// Answers one connection on a loopback port with a fixed reply, whatever is asked, and
// sends nothing more.
class CannedServer
{
public:
    explicit CannedServer(std::string reply) : reply_(std::move(reply))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(listener_, 1) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                return;
            char request[4096];
            (void)::recv(client, request, sizeof request, 0);
            (void)::send(client, reply_.data(), reply_.size(), MSG_NOSIGNAL);
            // The connection stays open until the client has gone: a reply announcing more
            // than it sends would otherwise end early and fail for that reason alone.
            while (::recv(client, request, sizeof request, 0) > 0) {
            }
            ::close(client);
        });
    }
    ~CannedServer()
    {
        ::shutdown(listener_, SHUT_RDWR);
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }

    int port() const { return port_; }

private:
    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

TEST(CgiReply, UntrustworthyRepliesFailTheCall)
{
    const struct {
        const char* label;
        std::string reply;
    } cases[] = {
        {"announces more than a unit ever sends",
         "HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\nabc"},
        {"no length", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nabc"},
        {"server error", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n"},
        {"redirect", "HTTP/1.1 302 Found\r\nLocation: /\r\nContent-Length: 0\r\n\r\n"},
        {"no HTTP at all", "garbage\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CannedServer server(c.reply);
        ASSERT_NE(server.port(), 0);
        std::string reply, name = "Tower", password = "secret";
        EXPECT_FALSE(Cgi().get(reply, "127.0.0.1", server.port(), name, password, "/"));
    }
}

TEST(CgiReply, ReplyIsTheAnnouncedBody)
{
    CannedServer server("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nOK\r\n");
    std::string reply, name = "Tower", password = "secret";
    ASSERT_TRUE(Cgi().get(reply, "127.0.0.1", server.port(), name, password, "/"));
    EXPECT_EQ(reply, "OK\r\n");
}

} // namespace
