#pragma once

#include "PostParam.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

class CredentialsPrompt;

// The HTTP client of the units' CGI programs: one request and its reply, with the time
// limits, the retries and the login recovery units need. A Cgi serves one call at a time
// on the calling thread; it keeps nothing between calls.
//
// A call fails (returns false) when the transfer fails, the status is neither 200 nor 401,
// the reply has no Content-Length or announces more than maxReplyBytes, or the login
// recovery gives up. On 401 the first retry uses the factory credentials ("R-4000" and the
// default password), the next two ask the user through the prompt (Cancel fails at once),
// and a fourth refusal fails. name and password are left at the values used last. Why a
// call failed is noted as the unit's UnitFailure.
class Cgi
{
public:
    // One HTTP request as it ended, for a log: never credentials or bodies.
    struct Request {
        const char* method;
        std::string server;
        int port;
        std::string path;
        long status; // 0 when no reply came
        long elapsedMs;
        std::string error; // why the request failed; empty when a reply came
    };

    // Every time limit, in milliseconds; tests shorten them.
    struct Options {
        long connectTimeoutMs = 30000;
        // Longest time without any byte moving, either way, before the call fails.
        long transferTimeoutMs = 30000;
        // The whole call, all attempts and the time the login prompt is open.
        long watchdogMs = 65535;
        // A reply body that stops coming is taken as it is after this much silence, in all.
        long stallWaitMs = 1000;
        int stallWaits = 5;
        // Units send small pages and settings files; anything larger is refused unread.
        std::size_t maxReplyBytes = 16 * 1024 * 1024;
        // Told of every request as it ends, on the calling thread.
        std::function<void(const Request&)> log;
    };

    enum class Encoding { UrlEncoded = 1, Multipart = 0 };

    // prompt may be null: a refused login then fails after the factory credentials.
    explicit Cgi(CredentialsPrompt* prompt = nullptr);
    Cgi(CredentialsPrompt* prompt, Options options);

    bool get(std::string& reply, const std::string& server, int port, std::string& name,
             std::string& password, const std::string& path);
    bool post(std::string& reply, const std::vector<PostParam>& fields, const std::string& server,
              int port, std::string& name, std::string& password, const std::string& path,
              Encoding encoding);

    // False after a call whose reply body stopped coming and was taken as far as it came.
    bool lastReplyComplete() const { return lastReplyComplete_; }

    // "name=value&..." with the values escaped byte by byte: letters, digits and "-_.*"
    // stay, a space becomes "+", everything else "%XX". Names are sent as they are.
    static std::string urlEncodedBody(const std::vector<PostParam>& fields);
    // One part per field (no file names, no part types) and the closing line.
    static std::string multipartBody(const std::vector<PostParam>& fields,
                                     const std::string& boundary);

    // Random text from the 64 characters A-Z, a-z, 0-9, "+" and "/".
    class RandomString
    {
    public:
        explicit RandomString(std::uint32_t length);
        std::string next();

    private:
        std::uint32_t length_;
        std::mt19937 generator_;
    };

private:
    struct Body {
        std::string data;
        std::string contentType;
    };
    bool request(std::string& reply, const Body* body, const std::string& server, int port,
                 std::string& name, std::string& password, const std::string& path);

    CredentialsPrompt* prompt_;
    Options options_;
    bool lastReplyComplete_ = true;
};
