#include "DiscoveryServer.h"

#include "SimUnit.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The header of one datagram to or from peer, with room for its packet information.
msghdr packetMessage(sockaddr_in& peer, iovec& io, char* control, std::size_t controlSize)
{
    msghdr message{};
    message.msg_name = &peer;
    message.msg_namelen = sizeof peer;
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = controlSize;
    return message;
}

in_addr toInAddr(const DiscoveryCodec::Ipv4& address)
{
    in_addr result{};
    std::memcpy(&result.s_addr, address.data(), address.size());
    return result;
}

DiscoveryCodec::Ipv4 fromInAddr(const in_addr& address)
{
    DiscoveryCodec::Ipv4 result{};
    std::memcpy(result.data(), &address.s_addr, result.size());
    return result;
}

} // namespace

DiscoveryServer::DiscoveryServer(std::vector<SimUnit*> units) : units_(std::move(units)) {}

DiscoveryServer::~DiscoveryServer()
{
    stop();
}

bool DiscoveryServer::start(std::string& error)
{
    const std::string where = "0.0.0.0:" + std::to_string(DiscoveryCodec::kPort);
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || ::pipe2(wakeFds_, O_CLOEXEC) != 0) {
        error = where + ": " + std::strerror(errno);
        stop();
        return false;
    }
    // SO_REUSEADDR lets other programs (another simulator, the setting tool) bind the port
    // too; each of them still gets every broadcast.
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    ::setsockopt(fd_, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(DiscoveryCodec::kPort);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = where + ": " + std::strerror(errno);
        stop();
        return false;
    }
    thread_ = std::thread(&DiscoveryServer::run, this);
    return true;
}

void DiscoveryServer::stop()
{
    if (thread_.joinable()) {
        const char byte = 0;
        while (::write(wakeFds_[1], &byte, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    for (int* fd : {&fd_, &wakeFds_[0], &wakeFds_[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void DiscoveryServer::run()
{
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        Datagram datagram;
        if (fds[0].revents != 0 && receive(datagram))
            dispatch(datagram);
    }
}

bool DiscoveryServer::receive(Datagram& datagram)
{
    char buffer[2048];
    iovec io{buffer, sizeof buffer};
    sockaddr_in peer{};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message = packetMessage(peer, io, control, sizeof control);
    const ssize_t n = ::recvmsg(fd_, &message, 0);
    if (n < 0)
        return false;
    datagram.bytes.assign(buffer, static_cast<std::size_t>(n));
    datagram.peer = fromInAddr(peer.sin_addr);
    datagram.peerPort = ntohs(peer.sin_port);
    datagram.to = {255, 255, 255, 255};
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header;
         header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(header), sizeof info);
            datagram.to = fromInAddr(info.ipi_addr);
            datagram.interfaceIndex = info.ipi_ifindex;
        }
    }
    return true;
}

void DiscoveryServer::dispatch(const Datagram& datagram)
{
    std::vector<SimUnit*> addressed;
    for (SimUnit* unit : units_)
        if (unit->hasAddress(datagram.to))
            addressed.push_back(unit);
    for (SimUnit* unit : addressed.empty() ? units_ : addressed)
        unit->discovery(datagram, *this);
}

bool DiscoveryServer::send(const DiscoveryCodec::Ipv4& from, const DiscoveryCodec::Ipv4& peer,
                           std::uint16_t peerPort, std::string_view bytes, std::string& error,
                           int interfaceIndex)
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(peerPort);
    to.sin_addr = toInAddr(peer);
    iovec io{const_cast<char*>(bytes.data()), bytes.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message = packetMessage(to, io, control, sizeof control);
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst = toInAddr(from); // the source address
    info.ipi_ifindex = interfaceIndex;
    std::memcpy(CMSG_DATA(header), &info, sizeof info);
    if (::sendmsg(fd_, &message, 0) == static_cast<ssize_t>(bytes.size()))
        return true;
    error = std::strerror(errno);
    return false;
}
