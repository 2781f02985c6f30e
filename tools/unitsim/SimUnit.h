#pragma once

#include "DiscoveryServer.h"
#include "RequestLog.h"
#include "UnitConfig.h"
#include "UnitState.h"

#include <chrono>
#include <condition_variable>
#include <microhttpd.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One simulated unit: an HTTP server with the unit's CGI programs on its own address, its
// state in its own folder. Every connection has its own thread, so a delayed or stalled
// answer holds up nothing else. After /reset.cgi a control thread takes the server down for
// the restart time, applies what was uploaded and listens again.
//
// The unit also answers the discovery protocol: the program's DiscoveryServer hands it every
// datagram. A discovery write is kept until the next restart; a discovery reset restarts the
// unit like /reset.cgi, silent on UDP and HTTP for the restart time, after which it has the
// written address, web port, mask, gateway and name. Every datagram in and out is logged to
// udp.log: "in|out PEER:PORT HEX VERDICT".
class SimUnit
{
public:
    explicit SimUnit(UnitConfig config);
    ~SimUnit();
    SimUnit(const SimUnit&) = delete;
    SimUnit& operator=(const SimUnit&) = delete;

    // Opens the state folder and starts listening (unless the unit is unreachable); false
    // with a reason.
    bool start(std::string& error);
    void stop();

    // The unit's current address is this one.
    bool hasAddress(const DiscoveryCodec::Ipv4& address);
    // Answers, stores or ignores one datagram from the discovery socket.
    void discovery(const DiscoveryServer::Datagram& in, DiscoveryServer& server);

private:
    struct Request;
    struct Body;
    struct Reply {
        int status = 200;
        std::string text;
    };

    static void* onUri(void* cls, const char* uri, MHD_Connection* connection);
    static MHD_Result onAccess(void* cls, MHD_Connection* connection, const char* url,
                               const char* method, const char* version, const char* uploadData,
                               size_t* uploadDataSize, void** requestContext);
    static MHD_Result access(SimUnit* unit, MHD_Connection* connection, const char* url,
                             const char* method, const char* version, const char* uploadData,
                             size_t* uploadDataSize, void** requestContext);
    static void onCompleted(void* cls, MHD_Connection* connection, void** requestContext,
                            MHD_RequestTerminationCode code);
    static ssize_t readStalled(void* cls, uint64_t pos, char* buffer, size_t max) noexcept;
    static ssize_t readCut(void* cls, uint64_t pos, char* buffer, size_t max) noexcept;
    // The first half of the body; then the end with an error, which closes the connection.
    static ssize_t readHalf(void* cls, uint64_t pos, char* buffer, size_t max) noexcept;
    static ssize_t readUnsized(void* cls, uint64_t pos, char* buffer, size_t max) noexcept;
    static void freeBody(void* cls);

    MHD_Result answer(MHD_Connection* connection, Request& request);
    // Whether the request's credentials are the unit's; stale when a digest nonce ran out.
    bool authorized(MHD_Connection* connection, bool& stale);
    Reply route(MHD_Connection* connection, Request& request);
    Reply settingsUpload(MHD_Connection* connection, const Request& request);
    Reply firmwareUpload(MHD_Connection* connection, const Request& request);
    Reply firmwarePoll(MHD_Connection* connection);
    Reply messageUpload(MHD_Connection* connection, const Request& request);
    Reply setClock(const Request& request);
    MHD_Result queue(MHD_Connection* connection, Request& request, const Reply& reply);
    MHD_Result queueRefusal(MHD_Connection* connection, Request& request, bool stale);
    // Waits for the time unless the server goes down first; false then.
    bool pause(std::chrono::milliseconds time);

    // What the unit does with a datagram, as the verdict for udp.log; the answers to send
    // and whether a restart follows them. Called with the mutex held.
    std::string judge(const DiscoveryServer::Datagram& in, std::vector<std::string>& answers,
                      bool& restart);
    DiscoveryCodec::Identity identity() const;
    void logDatagram(const char* direction, const DiscoveryCodec::Ipv4& peer,
                     std::uint16_t peerPort, const std::string& bytes, const std::string& verdict);

    // failure: the errno of a bind or listen that failed, else 0.
    bool listen(std::string& error, int& failure);
    void unlisten();
    void control();

    UnitConfig config_;
    UnitState state_;
    RequestLog log_;
    std::mutex mutex_;
    std::condition_variable wake_;
    MHD_Daemon* daemon_ = nullptr;
    std::thread control_;
    bool shutdown_ = false;
    bool stopping_ = false;      // the server goes down: let held answers go
    bool resetting_ = false;     // a reset was accepted: drop requests until the restart
    bool resetAnswered_ = false; // its "OK" went out
    std::chrono::milliseconds restartTime_{0}; // of the restart under way
    unsigned busyLeft_ = 0;
    std::string firmwareResult_ = "OK";
    std::string firmwareVersion_; // of the last image, taken over once it is accepted
    unsigned char nonceSeed_[32] = {};
};
