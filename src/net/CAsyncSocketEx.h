#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

class CAsyncSocketExListener;
class QSocketNotifier;

// A non-blocking UDP socket whose events reach the thread that made it through its Qt
// event loop and are handed to every registered listener. A listener may close the socket
// and remove itself while it is being told.
class CAsyncSocketEx : public QObject
{
    Q_OBJECT

public:
    enum Event { Receive = 1, Send = 2 };

    CAsyncSocketEx();
    ~CAsyncSocketEx() override;

    // A UDP socket bound to address (dotted text; empty for any) and port (0 for any),
    // telling its listeners about the events given. False, with the reason in
    // lastError(), when it cannot be made.
    bool create(const std::string& address, std::uint16_t port, int events);
    bool setBroadcast(bool on);
    // Which events are told; the others are not watched.
    void selectEvents(int events);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Sends one datagram; false when it could not go out. from: the local address it leaves
    // from (empty: as routed). A broadcast from an address leaves by that address's interface,
    // also from a socket bound to any address.
    bool sendTo(const std::uint8_t* data, std::size_t size, const std::string& address,
                std::uint16_t port, const std::string& from = {});
    // Reads one waiting datagram into buffer; -1 when none is waiting (or on error).
    long receiveFrom(std::uint8_t* buffer, std::size_t size, std::string* fromAddress = nullptr,
                     std::uint16_t* fromPort = nullptr);
    // The address and port the socket is bound to.
    std::string localAddress() const;
    std::uint16_t localPort() const;
    int lastError() const { return lastError_; }

    void addListener(CAsyncSocketExListener* listener);
    void removeListener(CAsyncSocketExListener* listener);
    bool hasListener(CAsyncSocketExListener* listener) const;

private:
    // Every listener registered when the event came, unless it left in the meantime.
    template <class Call> void tellListeners(Call call);

    int fd_ = -1;
    int lastError_ = 0;
    // Children of the socket; a closed socket lets go of them once the event that closed
    // it is over.
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    std::vector<CAsyncSocketExListener*> listeners_;
};
