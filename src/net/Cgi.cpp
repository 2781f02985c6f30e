#include "Cgi.h"

#include "CredentialsPrompt.h"
#include "PasswordCodec.h"
#include "UnitFailure.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kFactoryName = "R-4000";
constexpr std::uint32_t kBoundaryRandomLength = 15;

void initialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

long milliseconds(Clock::duration d)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

// What one attempt saw of the reply, filled in by libcurl's callbacks.
struct Attempt {
    const Cgi::Options* options = nullptr;
    Clock::time_point deadline;
    std::string* reply = nullptr;

    long status = 0;
    long long contentLength = -1;
    bool headersDone = false;
    bool refused = false; // no Content-Length, or too long: the call fails
    bool stalled = false; // the body stopped coming: what arrived counts
    bool timedOut = false;
    // The schemes a refusal offered (WWW-Authenticate).
    bool offersBasic = false;
    bool offersDigest = false;

    Clock::time_point lastActivity = Clock::now();
    Clock::time_point lastTick = Clock::now();
    long idleMs = 0;
    curl_off_t uploaded = 0;

    void active() { lastActivity = Clock::now(); }
};

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& a = *static_cast<Attempt*>(user);
    const std::size_t bytes = size * count;
    const std::string_view line(data, bytes);
    a.active();
    if (line.rfind("HTTP/", 0) == 0) {
        // A new reply (after an authentication round or an interim reply) starts over.
        a.status = 0;
        a.contentLength = -1;
        a.headersDone = false;
        a.offersBasic = false;
        a.offersDigest = false;
        const auto space = line.find(' ');
        if (space != std::string_view::npos)
            a.status = std::strtol(std::string(line.substr(space + 1, 3)).c_str(), nullptr, 10);
        return bytes;
    }
    if (line == "\r\n" || line == "\n") {
        a.headersDone = true;
        if (a.status == 200 &&
            (a.contentLength < 0 ||
             static_cast<unsigned long long>(a.contentLength) > a.options->maxReplyBytes)) {
            a.refused = true;
            return 0; // stops the transfer
        }
        return bytes;
    }
    std::string lower(line);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    constexpr std::string_view challenge = "www-authenticate:";
    if (lower.rfind(challenge, 0) == 0) {
        const std::size_t scheme = lower.find_first_not_of(" \t", challenge.size());
        if (scheme != std::string::npos) {
            a.offersBasic = a.offersBasic || lower.compare(scheme, 5, "basic") == 0;
            a.offersDigest = a.offersDigest || lower.compare(scheme, 6, "digest") == 0;
        }
        return bytes;
    }
    constexpr std::string_view key = "content-length:";
    if (lower.rfind(key, 0) == 0) {
        char* end = nullptr;
        const std::string value(line.substr(key.size()));
        const long long length = std::strtoll(value.c_str(), &end, 10);
        if (end != value.c_str() && length >= 0)
            a.contentLength = length;
    }
    return bytes;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& a = *static_cast<Attempt*>(user);
    const std::size_t bytes = size * count;
    a.active();
    // Only the final reply's body is kept; a 401 page is dropped.
    if (a.status != 200)
        return bytes;
    const std::size_t room =
        std::size_t(a.contentLength) - std::min(a.reply->size(), std::size_t(a.contentLength));
    a.reply->append(data, std::min(bytes, room));
    return bytes;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto& a = *static_cast<Attempt*>(user);
    const auto now = Clock::now();
    if (uploaded != a.uploaded) {
        a.uploaded = uploaded;
        a.active();
    }
    const Clock::time_point previousTick = a.lastTick;
    a.lastTick = now;
    if (now >= a.deadline || milliseconds(now - a.lastActivity) >= a.options->transferTimeoutMs) {
        a.timedOut = true;
        return 1;
    }
    // Silence inside the body of a good reply adds up; past the limit, what came is taken.
    const bool inBody =
        a.status == 200 && a.headersDone && a.reply->size() < std::size_t(a.contentLength);
    if (inBody && a.lastActivity <= previousTick) {
        a.idleMs += milliseconds(now - previousTick);
        if (a.idleMs >= a.options->stallWaitMs * a.options->stallWaits) {
            a.stalled = true;
            return 1;
        }
    }
    return 0;
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// Why an attempt that brought no usable reply failed.
UnitFailure attemptFailure(CURL* curl, CURLcode code, const Attempt& a, const Cgi::Options& options)
{
    using Reason = UnitFailure::Reason;
    if (a.refused) {
        return {Reason::UnexpectedReply,
                a.contentLength < 0 ? "no Content-Length"
                                    : "a reply of " + std::to_string(a.contentLength) + " bytes"};
    }
    if (a.timedOut) {
        return {Reason::TimedOut,
                Clock::now() >= a.deadline
                    ? "gave up after " + std::to_string(options.watchdogMs) + " ms"
                    : "nothing for " + std::to_string(options.transferTimeoutMs) + " ms"};
    }
    long osError = 0;
    curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &osError);
    curl_off_t connectTime = 0;
    curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectTime);
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        // A unit that is up but has its web server down (restarting) refuses at once.
        if (osError == ECONNREFUSED)
            return {Reason::Restarting, {}};
        return {Reason::Unreachable,
                osError ? std::strerror(int(osError)) : curl_easy_strerror(code)};
    case CURLE_COULDNT_RESOLVE_HOST:
        return {Reason::Unreachable, curl_easy_strerror(code)};
    case CURLE_OPERATION_TIMEDOUT:
        if (connectTime == 0)
            return {Reason::Unreachable,
                    "no answer within " + std::to_string(options.connectTimeoutMs) + " ms"};
        return {Reason::TimedOut, curl_easy_strerror(code)};
    default:
        break;
    }
    if (code != CURLE_OK)
        return {Reason::UnexpectedReply, curl_easy_strerror(code)};
    return {Reason::UnexpectedReply, "HTTP " + std::to_string(a.status)};
}

bool keptByte(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '*';
}

} // namespace

Cgi::Cgi(CredentialsPrompt* prompt) : Cgi(prompt, Options()) {}

Cgi::Cgi(CredentialsPrompt* prompt, Options options) : prompt_(prompt), options_(options)
{
    initialiseCurlOnce();
}

std::string Cgi::urlEncodedBody(const std::vector<PostParam>& fields)
{
    std::string body;
    for (const PostParam& field : fields) {
        if (!body.empty())
            body += '&';
        body += field.name;
        body += '=';
        for (const char byte : field.data) {
            const auto c = static_cast<unsigned char>(byte);
            if (keptByte(c)) {
                body += byte;
            } else if (c == ' ') {
                body += '+';
            } else {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", c);
                body += escaped;
            }
        }
    }
    return body;
}

std::string Cgi::multipartBody(const std::vector<PostParam>& fields, const std::string& boundary)
{
    std::string body;
    for (const PostParam& field : fields) {
        body += "--" + boundary + "\r\n";
        body += "content-disposition: form-data; name=\"" + field.name + "\"\r\n\r\n";
        body += field.data;
        body += "\r\n";
    }
    body += "--" + boundary + "--\r\n";
    return body;
}

Cgi::RandomString::RandomString(std::uint32_t length)
    : length_(length), generator_(std::random_device{}())
{
}

std::string Cgi::RandomString::next()
{
    static constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length_, ' ');
    for (char& c : text)
        c = alphabet[pick(generator_)];
    return text;
}

bool Cgi::get(std::string& reply, const std::string& server, int port, std::string& name,
              std::string& password, const std::string& path)
{
    return request(reply, nullptr, server, port, name, password, path);
}

bool Cgi::post(std::string& reply, const std::vector<PostParam>& fields, const std::string& server,
               int port, std::string& name, std::string& password, const std::string& path,
               Encoding encoding)
{
    Body body;
    if (encoding == Encoding::UrlEncoded) {
        body.data = urlEncodedBody(fields);
        body.contentType = "application/x-www-form-urlencoded";
    } else {
        // A boundary that occurs in the data would cut a part short: draw another one.
        RandomString random(kBoundaryRandomLength);
        std::string boundary;
        bool clash = true;
        while (clash) {
            boundary = "-----" + random.next();
            clash = false;
            for (const PostParam& field : fields)
                clash = clash || field.data.find(boundary) != std::string::npos;
        }
        body.data = multipartBody(fields, boundary);
        body.contentType = "multipart/form-data; boundary=" + boundary;
    }
    return request(reply, &body, server, port, name, password, path);
}

bool Cgi::request(std::string& reply, const Body* body, const std::string& server, int port,
                  std::string& name, std::string& password, const std::string& path)
{
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(options_.watchdogMs);
    lastReplyComplete_ = true;
    const std::string url = "http://" + server + ":" + std::to_string(port) + path;

    std::unique_ptr<curl_slist, SlistDeleter> headers;
    for (const std::string& header :
         {std::string("Accept: text/*"), std::string("User-Agent: R-4000 software"),
          std::string("Cache-Control: no-cache"), std::string("Pragma: no-cache"),
          std::string("Expect:"), body ? "Content-type: " + body->contentType : std::string()}) {
        if (!header.empty())
            headers.reset(curl_slist_append(headers.release(), header.c_str()));
    }

    // Units take Basic: the credentials go with the first request, so a body crosses the
    // network once. A unit whose refusal offers Digest only is asked that way from then on,
    // with the same credentials (libcurl first fetches the challenge).
    long scheme = CURLAUTH_BASIC;
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
        if (!handle) {
            UnitFailure::note(UnitFailure::Reason::Other, "libcurl could not start a request");
            return false;
        }
        CURL* curl = handle.get();
        reply.clear();
        Attempt a;
        a.options = &options_;
        a.deadline = deadline;
        a.reply = &reply;

        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, scheme);
        curl_easy_setopt(curl, CURLOPT_USERNAME, name.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options_.connectTimeoutMs);
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, &a);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &a);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &a);
        if (body) {
            curl_easy_setopt(curl, CURLOPT_POST, 1L);
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->data.data());
            curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body->data.size()));
        }

        const Clock::time_point started = Clock::now();
        const CURLcode code = curl_easy_perform(curl);
        // A body cut short, by silence or by the unit closing the connection, counts as it
        // came; the caller can tell it is incomplete (a download then keeps the local file).
        const bool cutShort =
            a.stalled || (code == CURLE_PARTIAL_FILE && a.status == 200 && a.headersDone);
        lastReplyComplete_ = !cutShort;
        const bool failed =
            !(cutShort && a.status == 200) &&
            (a.refused || a.timedOut || code != CURLE_OK || (a.status != 200 && a.status != 401));
        const UnitFailure failure =
            failed ? attemptFailure(curl, code, a, options_) : UnitFailure();
        if (options_.log)
            options_.log({body ? "POST" : "GET", server, port, path, a.status,
                          milliseconds(Clock::now() - started), failure.text()});
        if (failed) {
            UnitFailure::note(failure.reason, failure.detail);
            return false;
        }
        if (a.status == 200)
            return true;
        if (scheme == CURLAUTH_BASIC && a.offersDigest && !a.offersBasic) {
            scheme = CURLAUTH_DIGEST;
            --attempt;
            continue;
        }

        if (attempt == 0) {
            name = kFactoryName;
            password = PasswordCodec::kDefaultPlain;
        } else if (attempt < 3) {
            if (!prompt_) {
                UnitFailure::note(UnitFailure::Reason::LoginRefused);
                return false;
            }
            const auto answer = prompt_->ask(server, port, {name, password});
            if (!answer) {
                UnitFailure::note(UnitFailure::Reason::LoginRefused, "cancelled");
                return false;
            }
            if (Clock::now() >= deadline) {
                UnitFailure::note(UnitFailure::Reason::TimedOut,
                                  "gave up after " + std::to_string(options_.watchdogMs) + " ms");
                return false;
            }
            name = answer->name;
            password = answer->password;
        }
    }
    UnitFailure::note(UnitFailure::Reason::LoginRefused);
    return false;
}
