#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Every request a unit receives, as received: requests/NNNNNN.txt holds the request line, the
// header lines, an empty line and the body bytes; requests.log gets one line per request:
// "NNNNNN METHOD PATH STATUS auth=USER" (status "-" when the request got no answer, user "-"
// when no Authorization header came). Numbering goes on from what the folder already holds.
class RequestLog
{
public:
    struct Entry {
        std::string method;
        std::string uri; // path with query, as sent
        std::string version;
        std::vector<std::pair<std::string, std::string>> headers;
        std::string body;
        int status = 0; // 0: not answered
        std::string user;
        bool authorization = false; // an Authorization header came
    };

    explicit RequestLog(const std::string& unitDir);

    bool open();
    // Writes both records; false when the folder refused a write.
    bool write(const Entry& entry);

private:
    std::mutex mutex_;
    std::string requestsDir_;
    std::string logPath_;
    unsigned next_ = 1;
};
