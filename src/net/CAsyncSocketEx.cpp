#include "CAsyncSocketEx.h"

#include "CAsyncSocketExListener.h"

#include <QPointer>
#include <QSocketNotifier>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool toSockaddr(const std::string& address, std::uint16_t port, sockaddr_in& out)
{
    out = {};
    out.sin_family = AF_INET;
    out.sin_port = htons(port);
    if (address.empty()) {
        out.sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    return ::inet_pton(AF_INET, address.c_str(), &out.sin_addr) == 1;
}

std::string toText(const in_addr& address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

} // namespace

CAsyncSocketEx::CAsyncSocketEx() = default;

CAsyncSocketEx::~CAsyncSocketEx()
{
    close();
}

bool CAsyncSocketEx::create(const std::string& address, std::uint16_t port, int events)
{
    close();
    sockaddr_in bound{};
    if (!toSockaddr(address, port, bound)) {
        lastError_ = EINVAL;
        return false;
    }
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<const sockaddr*>(&bound), sizeof bound) != 0) {
        lastError_ = errno;
        close();
        return false;
    }
    lastError_ = 0;
    readNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    writeNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, [this] {
        tellListeners([this](CAsyncSocketExListener& l) { l.onReceive(*this, 0); });
    });
    connect(writeNotifier_, &QSocketNotifier::activated, this,
            [this] { tellListeners([this](CAsyncSocketExListener& l) { l.onSend(*this, 0); }); });
    selectEvents(events);
    return true;
}

void CAsyncSocketEx::selectEvents(int events)
{
    if (readNotifier_)
        readNotifier_->setEnabled(events & Receive);
    if (writeNotifier_)
        writeNotifier_->setEnabled(events & Send);
}

bool CAsyncSocketEx::setBroadcast(bool on)
{
    const int value = on ? 1 : 0;
    if (fd_ < 0 || ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &value, sizeof value) != 0) {
        lastError_ = fd_ < 0 ? EBADF : errno;
        return false;
    }
    return true;
}

void CAsyncSocketEx::close()
{
    // The notifiers stop first: they must not watch a closed descriptor.
    for (QSocketNotifier* notifier : {readNotifier_, writeNotifier_}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->disconnect(this);
            notifier->deleteLater();
        }
    }
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool CAsyncSocketEx::sendTo(const std::uint8_t* data, std::size_t size, const std::string& address,
                            std::uint16_t port, const std::string& from)
{
    sockaddr_in target{};
    sockaddr_in source{};
    if (fd_ < 0 || !toSockaddr(address, port, target) || !toSockaddr(from, 0, source)) {
        lastError_ = fd_ < 0 ? EBADF : EINVAL;
        return false;
    }
    iovec io{const_cast<std::uint8_t*>(data), size};
    msghdr message{};
    message.msg_name = &target;
    message.msg_namelen = sizeof target;
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (!from.empty()) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_spec_dst = source.sin_addr;
        std::memcpy(CMSG_DATA(header), &info, sizeof info);
    }
    const ssize_t sent = ::sendmsg(fd_, &message, MSG_NOSIGNAL);
    if (sent != ssize_t(size)) {
        lastError_ = sent < 0 ? errno : EMSGSIZE;
        return false;
    }
    return true;
}

long CAsyncSocketEx::receiveFrom(std::uint8_t* buffer, std::size_t size, std::string* fromAddress,
                                 std::uint16_t* fromPort)
{
    if (fd_ < 0)
        return -1;
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t received =
        ::recvfrom(fd_, buffer, size, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (received < 0) {
        lastError_ = errno;
        return -1;
    }
    if (fromAddress)
        *fromAddress = toText(from.sin_addr);
    if (fromPort)
        *fromPort = ntohs(from.sin_port);
    return long(received);
}

std::string CAsyncSocketEx::localAddress() const
{
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&bound), &length) != 0)
        return {};
    return toText(bound.sin_addr);
}

std::uint16_t CAsyncSocketEx::localPort() const
{
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&bound), &length) != 0)
        return 0;
    return ntohs(bound.sin_port);
}

void CAsyncSocketEx::addListener(CAsyncSocketExListener* listener)
{
    if (listener && !hasListener(listener))
        listeners_.push_back(listener);
}

void CAsyncSocketEx::removeListener(CAsyncSocketExListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

bool CAsyncSocketEx::hasListener(CAsyncSocketExListener* listener) const
{
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

template <class Call> void CAsyncSocketEx::tellListeners(Call call)
{
    // A listener may close the socket, remove itself or others, even delete this socket:
    // walk a copy, skip those that left, and stop when the socket is gone.
    const QPointer<CAsyncSocketEx> self(this);
    const std::vector<CAsyncSocketExListener*> registered = listeners_;
    for (CAsyncSocketExListener* listener : registered) {
        if (!self)
            return;
        if (hasListener(listener))
            call(*listener);
    }
}
