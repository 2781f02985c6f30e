#include "SimUnit.h"

#include "FileIo.h"
#include "FormData.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char* kRealm = "R-4000";
constexpr unsigned kNonceTimeoutSeconds = 300;
constexpr auto kStallTime = std::chrono::seconds(60);
// How long a reset waits for its "OK" to go out before the restart goes on regardless.
constexpr auto kResetAnswerWait = std::chrono::seconds(3);
constexpr const char* kGarbage = "<html><body>Unexpected</body></html>\r\n";
constexpr const char* kLongName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";

// Discovery peers the unit listens to: loopback and the test range 198.18.0.0/15, so a
// simulator never talks to a real network.
bool testPeer(const DiscoveryCodec::Ipv4& peer)
{
    return peer[0] == 127 || (peer[0] == 198 && (peer[1] & 0xFE) == 18);
}

DiscoveryCodec::Ipv4 ipv4(const std::string& text)
{
    DiscoveryCodec::Ipv4 address{};
    DiscoveryCodec::parseIpv4(text, address);
    return address;
}

MHD_Result collectHeader(void* cls, MHD_ValueKind, const char* key, const char* value)
{
    static_cast<RequestLog::Entry*>(cls)->headers.emplace_back(key ? key : "", value ? value : "");
    return MHD_YES;
}

std::string lookup(MHD_Connection* connection, MHD_ValueKind kind, const char* key)
{
    const char* value = MHD_lookup_connection_value(connection, kind, key);
    return value ? value : "";
}

bool digits(const std::string& text, std::size_t count, int max)
{
    if (text.size() != count)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return std::atoi(text.c_str()) <= max;
}

// "Dec/06/2026"
bool validDate(const std::string& text)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (text.size() != 11 || text[3] != '/' || text[6] != '/')
        return false;
    bool month = false;
    for (const char* name : kMonths)
        month = month || text.compare(0, 3, name) == 0;
    const std::string day = text.substr(4, 2);
    return month && digits(day, 2, 31) && day != "00" && digits(text.substr(7, 4), 4, 9999);
}

// "version=X" on the image's first line names the version it brings.
std::string versionOf(const std::string& image)
{
    std::string line = image.substr(0, image.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line.rfind("version=", 0) == 0 ? line.substr(8) : std::string();
}

} // namespace

// One request from its first line to its end.
struct SimUnit::Request {
    RequestLog::Entry entry;
    std::string path; // without the query
    bool started = false;
    bool logged = false;
    bool reset = false; // the accepted /reset.cgi
};

// What a response made from a callback sends.
struct SimUnit::Body {
    SimUnit* unit;
    std::string text;
};

SimUnit::SimUnit(UnitConfig config)
    : config_(std::move(config)), state_(config_.dir), log_(config_.dir)
{
    std::random_device random;
    for (unsigned char& byte : nonceSeed_)
        byte = static_cast<unsigned char>(random());
}

SimUnit::~SimUnit()
{
    stop();
}

bool SimUnit::start(std::string& error)
{
    UnitState::Network network;
    network.mac = config_.mac;
    network.ip = config_.address;
    network.mask = config_.mask;
    network.gateway = config_.gateway;
    network.webPort = config_.port;
    network.model = config_.model;
    network.unitName = config_.unitName;
    if (!state_.open(config_.name, config_.password, network, error))
        return false;
    if (!log_.open()) {
        error = "cannot create " + config_.dir + "/requests";
        return false;
    }
    int failure = 0;
    if (!config_.unreachable && !listen(error, failure))
        return false;
    control_ = std::thread(&SimUnit::control, this);
    return true;
}

void SimUnit::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        shutdown_ = true;
        stopping_ = true;
    }
    wake_.notify_all();
    if (control_.joinable())
        control_.join();
    unlisten();
}

bool SimUnit::listen(std::string& error, int& failure)
{
    failure = 0;
    std::string ip;
    unsigned port = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ip = state_.network.ip;
        port = state_.network.webPort;
    }
    const std::string where = ip + ":" + std::to_string(port);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = where + ": socket: " + std::strerror(errno);
        return false;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    ::inet_pton(AF_INET, ip.c_str(), &address.sin_addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 64) != 0) {
        failure = errno;
        error = where + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    MHD_Daemon* daemon = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_THREAD_PER_CONNECTION | MHD_USE_POLL,
        static_cast<uint16_t>(port), nullptr, nullptr, &SimUnit::onAccess, this,
        MHD_OPTION_LISTEN_SOCKET, fd, MHD_OPTION_URI_LOG_CALLBACK, &SimUnit::onUri, this,
        MHD_OPTION_NOTIFY_COMPLETED, &SimUnit::onCompleted, this, MHD_OPTION_DIGEST_AUTH_RANDOM,
        sizeof nonceSeed_, nonceSeed_, MHD_OPTION_NONCE_NC_SIZE, 1000u,
        MHD_OPTION_CONNECTION_TIMEOUT, 300u, MHD_OPTION_END);
    if (!daemon) {
        error = where + ": the HTTP server did not start";
        ::close(fd);
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    daemon_ = daemon;
    return true;
}

void SimUnit::unlisten()
{
    MHD_Daemon* daemon = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::swap(daemon, daemon_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (daemon)
        MHD_stop_daemon(daemon);
}

// The restarts: silence, then the pending uploads and a discovery write take effect and the
// unit listens again, on the address it has now.
void SimUnit::control()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return shutdown_ || resetting_; });
        if (shutdown_)
            return;
        wake_.wait_for(lock, kResetAnswerWait, [this] { return shutdown_ || resetAnswered_; });
        if (shutdown_)
            return;
        state_.restarting = true;
        ++state_.resets;
        state_.save();
        lock.unlock();
        unlisten();
        lock.lock();
        wake_.wait_for(lock, restartTime_, [this] { return shutdown_; });
        if (shutdown_)
            return; // the next start finishes the restart
        state_.applyPending();
        state_.applyWritten();
        busyLeft_ = 0;
        firmwareResult_ = "OK";
        firmwareVersion_.clear();
        resetting_ = false;
        resetAnswered_ = false;
        stopping_ = false;
        lock.unlock();
        std::string error;
        bool listening = config_.unreachable;
        // A port still held by the old server frees up soon; an address that is not this
        // host's, or a port another unit holds, does not.
        int failure = EADDRINUSE;
        for (int attempt = 0; attempt < 10 && !listening && failure == EADDRINUSE; ++attempt) {
            listening = listen(error, failure);
            if (!listening && failure == EADDRINUSE && !pause(std::chrono::milliseconds(100)))
                return; // shut down
        }
        if (!listening)
            std::fprintf(stderr, "r4000-unitsim: %s: HTTP is off until the next restart: %s\n",
                         config_.dir.c_str(), error.c_str());
        lock.lock();
        state_.restarting = false;
        state_.save();
    }
}

bool SimUnit::hasAddress(const DiscoveryCodec::Ipv4& address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ipv4(state_.network.ip) == address;
}

DiscoveryCodec::Identity SimUnit::identity() const
{
    const UnitState::Network& network = state_.network;
    DiscoveryCodec::Identity unit;
    DiscoveryCodec::parseMac(network.mac, unit.mac);
    unit.ip = ipv4(network.ip);
    unit.mask = ipv4(network.mask);
    unit.gateway = ipv4(network.gateway);
    unit.name = config_.udpLongName ? kLongName : network.unitName;
    unit.webPort = static_cast<std::uint16_t>(network.webPort);
    unit.model = config_.udpZeroModel        ? std::string()
                 : !config_.udpModel.empty() ? config_.udpModel
                                             : network.model;
    return unit;
}

void SimUnit::discovery(const DiscoveryServer::Datagram& in, DiscoveryServer& server)
{
    std::vector<std::string> answers;
    bool restart = false;
    DiscoveryCodec::Ipv4 self{};
    std::string verdict;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        verdict = judge(in, answers, restart);
        self = ipv4(state_.network.ip);
    }
    logDatagram("in", in.peer, in.peerPort, in.bytes, verdict);
    const DiscoveryCodec::Ipv4 to =
        config_.udpBroadcastReply ? DiscoveryCodec::Ipv4{255, 255, 255, 255} : in.peer;
    for (const std::string& answer : answers) {
        std::string error;
        const bool sent = server.send(self, to, in.peerPort, answer, error,
                                      config_.udpBroadcastReply ? in.interfaceIndex : 0);
        const auto kind = static_cast<std::uint8_t>(answer[0]);
        const char* what = kind == DiscoveryCodec::kReport     ? "report"
                           : kind == DiscoveryCodec::kWriteAck ? "write ack"
                                                               : "reset ack";
        logDatagram("out", to, in.peerPort, answer,
                    sent ? std::string(what) : std::string(what) + " not sent: " + error);
    }
    if (restart) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            resetting_ = true;
            resetAnswered_ = true;
            restartTime_ = std::chrono::milliseconds(config_.udpRestartMs);
        }
        wake_.notify_all();
    }
}

std::string SimUnit::judge(const DiscoveryServer::Datagram& in, std::vector<std::string>& answers,
                           bool& restart)
{
    const std::string& bytes = in.bytes;
    if (!testPeer(in.peer))
        return "ignored: sender outside 127.0.0.0/8 and 198.18.0.0/15";
    if (config_.udpSilent)
        return "ignored: udp-silent";
    if (resetting_)
        return "ignored: restarting";
    const std::uint8_t kind = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes[0]);
    const std::size_t size = kind == DiscoveryCodec::kRequest ? DiscoveryCodec::kRequestSize
                             : kind == DiscoveryCodec::kWrite ? DiscoveryCodec::kWriteSize
                             : kind == DiscoveryCodec::kReset ? DiscoveryCodec::kResetSize
                                                              : 0;
    if (size == 0)
        return "ignored: not a request, write or reset";
    if (bytes.size() != size)
        return "ignored: " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(size);
    if (!DiscoveryCodec::checkValueValid(in.peer, bytes))
        return "ignored: bad check value";

    const DiscoveryCodec::Identity self = identity();
    if (kind == DiscoveryCodec::kRequest) {
        answers.push_back(DiscoveryCodec::report(self));
        if (config_.udpDuplicate)
            answers.push_back(answers.back());
        return "request";
    }
    if (kind == DiscoveryCodec::kReset) {
        DiscoveryCodec::Mac mac{};
        DiscoveryCodec::parseReset(bytes, mac);
        if (mac != self.mac)
            return "ignored: reset for " + DiscoveryCodec::macText(mac);
        if (!config_.noResetAck)
            answers.push_back(DiscoveryCodec::ack(DiscoveryCodec::kResetAck, self.mac));
        restart = true;
        return "reset: silent for " + std::to_string(config_.udpRestartMs) + " ms" +
               (config_.noResetAck ? " (no-reset-ack)" : "");
    }
    DiscoveryCodec::Write write;
    DiscoveryCodec::parseWrite(bytes, write);
    if (write.mac != self.mac)
        return "ignored: write for " + DiscoveryCodec::macText(write.mac);
    const bool controlByte = std::any_of(write.name.begin(), write.name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (write.webPort == 0 || controlByte)
        return write.webPort == 0 ? "ignored: write of web port 0"
                                  : "ignored: write of a name with control characters";
    state_.hasWritten = true;
    state_.written.ip = DiscoveryCodec::ipv4Text(write.ip);
    state_.written.mask = DiscoveryCodec::ipv4Text(write.mask);
    state_.written.gateway = DiscoveryCodec::ipv4Text(write.gateway);
    state_.written.webPort = write.webPort;
    state_.written.unitName = write.name;
    if (!state_.save())
        return "ignored: cannot write state.txt";
    if (!config_.noWriteAck)
        answers.push_back(DiscoveryCodec::ack(DiscoveryCodec::kWriteAck, self.mac));
    std::string time = write.time;
    std::replace_if(
        time.begin(), time.end(), [](char c) { return c < 0x20 || c > 0x7E; }, '?');
    return "write: stored for the next restart (PC time " + time + ")" +
           (config_.noWriteAck ? " (no-write-ack)" : "");
}

void SimUnit::logDatagram(const char* direction, const DiscoveryCodec::Ipv4& peer,
                          std::uint16_t peerPort, const std::string& bytes,
                          const std::string& verdict)
{
    FileIo::appendFile(config_.dir + "/udp.log",
                       std::string(direction) + " " + DiscoveryCodec::ipv4Text(peer) + ":" +
                           std::to_string(peerPort) + " " + DiscoveryCodec::hex(bytes) + " " +
                           verdict + "\n");
}

// The callbacks below are called from the HTTP library's C code: nothing may be thrown through
// it, so each one turns a failure (out of memory) into an error for that connection.

void* SimUnit::onUri(void*, const char* uri, MHD_Connection*)
{
    try {
        auto* request = new Request;
        request->entry.uri = uri ? uri : "";
        return request;
    } catch (...) {
        return nullptr;
    }
}

void SimUnit::onCompleted(void* cls, MHD_Connection*, void** requestContext,
                          MHD_RequestTerminationCode)
{
    auto* unit = static_cast<SimUnit*>(cls);
    auto* request = static_cast<Request*>(*requestContext);
    *requestContext = nullptr;
    if (!request)
        return;
    try {
        if (request->started && !request->logged)
            unit->log_.write(request->entry);
    } catch (...) {
    }
    if (request->reset) {
        {
            std::lock_guard<std::mutex> lock(unit->mutex_);
            unit->resetAnswered_ = true;
        }
        unit->wake_.notify_all();
    }
    delete request;
}

MHD_Result SimUnit::onAccess(void* cls, MHD_Connection* connection, const char* url,
                             const char* method, const char* version, const char* uploadData,
                             size_t* uploadDataSize, void** requestContext)
{
    try {
        return access(static_cast<SimUnit*>(cls), connection, url, method, version, uploadData,
                      uploadDataSize, requestContext);
    } catch (...) {
        return MHD_NO;
    }
}

MHD_Result SimUnit::access(SimUnit* unit, MHD_Connection* connection, const char* url,
                           const char* method, const char* version, const char* uploadData,
                           size_t* uploadDataSize, void** requestContext)
{
    auto* request = static_cast<Request*>(*requestContext);
    if (!request) {
        request = new Request;
        request->entry.uri = url;
        *requestContext = request;
    }
    if (!request->started) {
        request->started = true;
        request->path = url;
        RequestLog::Entry& entry = request->entry;
        entry.method = method;
        entry.version = version;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, &collectHeader, &entry);
        if (MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                        MHD_HTTP_HEADER_AUTHORIZATION)) {
            entry.authorization = true;
            char* password = nullptr;
            char* user = MHD_basic_auth_get_username_password(connection, &password);
            if (!user)
                user = MHD_digest_auth_get_username(connection);
            entry.user = user ? user : "?";
            MHD_free(user);
            MHD_free(password);
        }
        std::lock_guard<std::mutex> lock(unit->mutex_);
        return unit->resetting_ ? MHD_NO : MHD_YES;
    }
    if (*uploadDataSize != 0) {
        request->entry.body.append(uploadData, *uploadDataSize);
        *uploadDataSize = 0;
        return MHD_YES;
    }
    return unit->answer(connection, *request);
}

bool SimUnit::pause(std::chrono::milliseconds time)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return !wake_.wait_for(lock, time, [this] { return stopping_; });
}

MHD_Result SimUnit::answer(MHD_Connection* connection, Request& request)
{
    if (config_.delayMs > 0 && !pause(std::chrono::milliseconds(config_.delayMs)))
        return MHD_NO;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (resetting_ || stopping_)
            return MHD_NO;
    }
    bool stale = false;
    if (config_.refuseLogin || !authorized(connection, stale))
        return queueRefusal(connection, request, stale);
    return queue(connection, request, route(connection, request));
}

bool SimUnit::authorized(MHD_Connection* connection, bool& stale)
{
    std::string name;
    std::string password;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        name = state_.name;
        password = state_.password;
    }
    if (config_.auth == UnitConfig::Auth::Basic) {
        char* given = nullptr;
        char* user = MHD_basic_auth_get_username_password(connection, &given);
        const bool ok = user && given && name == user && password == given;
        MHD_free(user);
        MHD_free(given);
        return ok;
    }
    char* user = MHD_digest_auth_get_username(connection);
    const bool sameUser = user && name == user;
    MHD_free(user);
    if (!sameUser)
        return false;
    const int result = MHD_digest_auth_check2(connection, kRealm, name.c_str(), password.c_str(),
                                              kNonceTimeoutSeconds, MHD_DIGEST_ALG_MD5);
    stale = result == MHD_INVALID_NONCE;
    return result == MHD_YES;
}

SimUnit::Reply SimUnit::route(MHD_Connection* connection, Request& request)
{
    const std::string& method = request.entry.method;
    const std::string& path = request.path;
    const bool get = method == "GET";
    const bool post = method == "POST";
    if (get && path == "/")
        return {200, "R-4000 unit\r\n"};
    if (post && path == "/file_upload.cgi")
        return settingsUpload(connection, request);
    if (get && path == "/file_download.cgi") {
        std::lock_guard<std::mutex> lock(mutex_);
        return {200, state_.settingsFile()};
    }
    if (post && path == "/time.cgi")
        return setClock(request);
    if (get && path == "/reset.cgi") {
        std::lock_guard<std::mutex> lock(mutex_);
        resetting_ = true;
        restartTime_ = std::chrono::milliseconds(config_.restartMs);
        request.reset = true;
        wake_.notify_all();
        return {200, "OK"};
    }
    if (get && path == "/prg_version.cgi") {
        std::lock_guard<std::mutex> lock(mutex_);
        return {200, state_.firmware + "\r\n"};
    }
    if (post && path == "/prg_upload.cgi")
        return firmwareUpload(connection, request);
    if (get && path == "/prg_upload.cgi")
        return firmwarePoll(connection);
    if (post && path == "/msg_upload.cgi")
        return messageUpload(connection, request);
    return {404, "Not Found\r\n"};
}

SimUnit::Reply SimUnit::settingsUpload(MHD_Connection* connection, const Request& request)
{
    FormData form;
    const bool parsed = form.parseMultipart(
        lookup(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_TYPE), request.entry.body);
    std::string reply = config_.uploadReply;
    if (!parsed || form.field("access") != "APP" || !form.has("file") ||
        form.field("file").find("[header]") == std::string::npos) {
        reply = "ERROR";
    } else {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!config_.ignoreUploads && !state_.addPending(form.field("file")))
            reply = "ERROR";
        else if (config_.resetLower)
            reply = "reset";
        else if (config_.okCrlf)
            reply = "OK\r\n";
    }
    return {200, config_.garbage ? kGarbage : reply};
}

SimUnit::Reply SimUnit::firmwareUpload(MHD_Connection* connection, const Request& request)
{
    FormData form;
    const bool parsed = form.parseMultipart(
        lookup(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_TYPE), request.entry.body);
    std::string reply;
    if (!parsed || form.field("access") != "APP" || !form.has("file")) {
        reply = "ERROR";
    } else {
        const std::string image = form.field("file");
        std::lock_guard<std::mutex> lock(mutex_);
        if (!state_.storeFirmware(image)) {
            reply = "ERROR";
        } else if (config_.busy > 0) {
            busyLeft_ = config_.busy - 1;
            firmwareResult_ = config_.busyEnd;
            firmwareVersion_ = versionOf(image);
            reply = "BUSY";
        } else {
            firmwareResult_ = "OK";
            firmwareVersion_.clear();
            const std::string version = versionOf(image);
            if (!version.empty()) {
                state_.firmware = version;
                state_.save();
            }
            reply = "OK";
        }
    }
    return {200, config_.garbage ? kGarbage : reply};
}

SimUnit::Reply SimUnit::firmwarePoll(MHD_Connection* connection)
{
    if (lookup(connection, MHD_GET_ARGUMENT_KIND, "access") != "APP")
        return {200, "ERROR"};
    std::lock_guard<std::mutex> lock(mutex_);
    if (busyLeft_ > 0) {
        --busyLeft_;
        return {200, "BUSY"};
    }
    if (firmwareResult_ == "OK" && !firmwareVersion_.empty()) {
        state_.firmware = firmwareVersion_;
        state_.save();
    }
    firmwareVersion_.clear();
    return {200, firmwareResult_};
}

SimUnit::Reply SimUnit::messageUpload(MHD_Connection* connection, const Request& request)
{
    FormData form;
    const bool parsed = form.parseMultipart(
        lookup(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_TYPE), request.entry.body);
    std::string reply = "OK";
    if (!parsed || form.field("access") != "APP" || !form.has("file")) {
        reply = "ERROR";
    } else {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!state_.storeMessage(form.field("file")))
            reply = "ERROR";
    }
    return {200, config_.garbage ? kGarbage : reply};
}

SimUnit::Reply SimUnit::setClock(const Request& request)
{
    FormData form;
    form.parseUrlEncoded(request.entry.body);
    const std::string date = form.field("t_yy");
    const std::string hour = form.field("t_hh");
    const std::string minute = form.field("t_mm");
    if (!validDate(date) || !digits(hour, 2, 23) || !digits(minute, 2, 59))
        return {200, "ERROR"};
    std::lock_guard<std::mutex> lock(mutex_);
    state_.clockYy = date;
    state_.clockHh = hour;
    state_.clockMm = minute;
    state_.save();
    return {200, "OK"};
}

MHD_Result SimUnit::queue(MHD_Connection* connection, Request& request, const Reply& reply)
{
    request.entry.status = reply.status;
    log_.write(request.entry);
    request.logged = true;

    MHD_Response* response = nullptr;
    if (reply.status == MHD_HTTP_OK && config_.stall)
        response = MHD_create_response_from_callback(reply.text.size(), 4096, &SimUnit::readStalled,
                                                     new Body{this, reply.text}, &freeBody);
    else if (reply.status == MHD_HTTP_OK && config_.closeEarly)
        response = MHD_create_response_from_callback(reply.text.size(), 4096, &SimUnit::readCut,
                                                     new Body{this, reply.text}, &freeBody);
    else if (reply.status == MHD_HTTP_OK && config_.noLength)
        response = MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, 4096, &SimUnit::readUnsized,
                                                     new Body{this, reply.text}, &freeBody);
    else
        response = MHD_create_response_from_buffer(
            reply.text.size(), const_cast<char*>(reply.text.data()), MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
    const MHD_Result result =
        MHD_queue_response(connection, static_cast<unsigned>(reply.status), response);
    MHD_destroy_response(response);
    return result;
}

MHD_Result SimUnit::queueRefusal(MHD_Connection* connection, Request& request, bool stale)
{
    request.entry.status = MHD_HTTP_UNAUTHORIZED;
    log_.write(request.entry);
    request.logged = true;

    static const char kText[] = "401 Unauthorized\r\n";
    MHD_Response* response = MHD_create_response_from_buffer(
        sizeof kText - 1, const_cast<char*>(kText), MHD_RESPMEM_PERSISTENT);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
    const MHD_Result result =
        config_.auth == UnitConfig::Auth::Basic
            ? MHD_queue_basic_auth_fail_response(connection, kRealm, response)
            : MHD_queue_auth_fail_response2(connection, kRealm, kRealm, response,
                                            stale ? MHD_YES : MHD_NO, MHD_DIGEST_ALG_MD5);
    MHD_destroy_response(response);
    return result;
}

// Half the body, then nothing until the stall time is over or the server goes down.
ssize_t SimUnit::readStalled(void* cls, uint64_t pos, char* buffer, size_t max) noexcept
{
    const ssize_t n = readHalf(cls, pos, buffer, max);
    if (n == MHD_CONTENT_READER_END_WITH_ERROR)
        static_cast<Body*>(cls)->unit->pause(kStallTime);
    return n;
}

// Half the body, then the connection closes.
ssize_t SimUnit::readCut(void* cls, uint64_t pos, char* buffer, size_t max) noexcept
{
    return readHalf(cls, pos, buffer, max);
}

ssize_t SimUnit::readHalf(void* cls, uint64_t pos, char* buffer, size_t max) noexcept
{
    auto* body = static_cast<Body*>(cls);
    const std::size_t half = body->text.size() / 2;
    if (pos >= half)
        return MHD_CONTENT_READER_END_WITH_ERROR;
    const std::size_t n = std::min<std::size_t>(max, half - pos);
    std::memcpy(buffer, body->text.data() + pos, n);
    return static_cast<ssize_t>(n);
}

ssize_t SimUnit::readUnsized(void* cls, uint64_t pos, char* buffer, size_t max) noexcept
{
    auto* body = static_cast<Body*>(cls);
    if (pos >= body->text.size())
        return MHD_CONTENT_READER_END_OF_STREAM;
    const std::size_t n = std::min<std::size_t>(max, body->text.size() - pos);
    std::memcpy(buffer, body->text.data() + pos, n);
    return static_cast<ssize_t>(n);
}

void SimUnit::freeBody(void* cls)
{
    delete static_cast<Body*>(cls);
}
