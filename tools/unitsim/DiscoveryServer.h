#pragma once

#include "DiscoveryCodec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class SimUnit;

// The discovery side of the whole program: one UDP socket on 0.0.0.0:15000 (a socket bound
// to a unicast address would not get broadcasts), as if all units were on one LAN. Its thread
// hands every datagram to every unit, or only to the unit whose address it was sent to, and
// the units answer through send(), from their own address.
class DiscoveryServer
{
public:
    struct Datagram {
        std::string bytes;
        DiscoveryCodec::Ipv4 peer{};
        std::uint16_t peerPort = 0;
        DiscoveryCodec::Ipv4 to{}; // the destination address it came with
        int interfaceIndex = 0;    // the interface it came in on
    };

    explicit DiscoveryServer(std::vector<SimUnit*> units);
    ~DiscoveryServer();
    DiscoveryServer(const DiscoveryServer&) = delete;
    DiscoveryServer& operator=(const DiscoveryServer&) = delete;

    // Binds the socket and starts the thread; false with a reason.
    bool start(std::string& error);
    void stop();

    // Sends bytes from address "from", port 15000, to the peer; false with a reason.
    // interfaceIndex: the interface a broadcast leaves by (0: as routed). The units' addresses
    // need not sit on that interface, so a broadcast from one cannot find it by its address.
    bool send(const DiscoveryCodec::Ipv4& from, const DiscoveryCodec::Ipv4& peer,
              std::uint16_t peerPort, std::string_view bytes, std::string& error,
              int interfaceIndex = 0);

private:
    void run();
    bool receive(Datagram& datagram);
    void dispatch(const Datagram& datagram);

    std::vector<SimUnit*> units_;
    int fd_ = -1;
    int wakeFds_[2] = {-1, -1}; // a byte on the pipe ends the thread
    std::thread thread_;
};
