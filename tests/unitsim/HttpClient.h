#pragma once

#include <cctype>
#include <curl/curl.h>
#include <string>
#include <utility>
#include <vector>

// What a request got back: the transport result, the status and headers of the last
// response (after any authentication round) and the body bytes received.
struct HttpReply {
    CURLcode code = CURLE_OK;
    long status = 0;
    std::string headers; // header lines of the last response
    std::string body;

    // The value of the named header in the last response; false when absent.
    bool header(const std::string& name, std::string& value) const
    {
        std::size_t start = 0;
        while (start < headers.size()) {
            std::size_t end = headers.find("\r\n", start);
            if (end == std::string::npos)
                end = headers.size();
            const std::string line = headers.substr(start, end - start);
            start = end + 2;
            if (line.find(':') != name.size())
                continue;
            bool same = true;
            for (std::size_t i = 0; i < name.size(); ++i)
                same = same && std::tolower(static_cast<unsigned char>(line[i])) ==
                                   std::tolower(static_cast<unsigned char>(name[i]));
            if (same) {
                const std::size_t first = line.find_first_not_of(' ', name.size() + 1);
                value = first == std::string::npos ? std::string() : line.substr(first);
                return true;
            }
        }
        return false;
    }
    std::string header(const std::string& name) const
    {
        std::string value;
        header(name, value);
        return value;
    }
    bool hasHeader(const std::string& name) const
    {
        std::string value;
        return header(name, value);
    }
};

// A small libcurl client for one unit: a fresh connection per request, credentials sent as
// Basic or Digest (or none).
class HttpClient
{
public:
    enum class Auth { None, Basic, Digest };

    HttpClient(const std::string& address, unsigned port)
        : base_("http://" + address + ":" + std::to_string(port))
    {
    }

    void setCredentials(std::string user, std::string password, Auth auth)
    {
        user_ = std::move(user);
        password_ = std::move(password);
        auth_ = auth;
    }
    void setTimeoutMs(long ms) { timeoutMs_ = ms; }

    HttpReply get(const std::string& path) const { return perform(path, nullptr, {}); }

    HttpReply post(const std::string& path, const std::string& contentType,
                   const std::string& body) const
    {
        return perform(path, &body, contentType);
    }

    // Posts fields as multipart/form-data built here, so the caller knows every byte sent.
    HttpReply postForm(const std::string& path,
                       const std::vector<std::pair<std::string, std::string>>& fields) const
    {
        return post(path, "multipart/form-data; boundary=" + std::string(kBoundary),
                    multipart(fields));
    }

    static constexpr const char* kBoundary = "----r4000FormBoundary7MA4YWxk";

    // Parts carry a name and no file name, as the units expect.
    static std::string multipart(const std::vector<std::pair<std::string, std::string>>& fields)
    {
        std::string body;
        for (const auto& [name, value] : fields)
            body += "--" + std::string(kBoundary) + "\r\nContent-Disposition: form-data; name=\"" +
                    name + "\"\r\n\r\n" + value + "\r\n";
        return body + "--" + kBoundary + "--\r\n";
    }

private:
    static size_t append(char* data, size_t size, size_t count, void* target)
    {
        static_cast<std::string*>(target)->append(data, size * count);
        return size * count;
    }
    // Keeps the header lines of the last response only.
    static size_t appendHeader(char* data, size_t size, size_t count, void* target)
    {
        auto* headers = static_cast<std::string*>(target);
        const std::string line(data, size * count);
        if (line.rfind("HTTP/", 0) == 0)
            headers->clear();
        headers->append(line);
        return size * count;
    }

    HttpReply perform(const std::string& path, const std::string* body,
                      const std::string& contentType) const
    {
        HttpReply reply;
        CURL* curl = curl_easy_init();
        if (!curl) {
            reply.code = CURLE_FAILED_INIT;
            return reply;
        }
        const std::string url = base_ + path;
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs_);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpClient::append);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &HttpClient::appendHeader);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply.headers);
        if (auth_ != Auth::None) {
            curl_easy_setopt(curl, CURLOPT_HTTPAUTH,
                             auth_ == Auth::Basic ? CURLAUTH_BASIC : CURLAUTH_DIGEST);
            curl_easy_setopt(curl, CURLOPT_USERNAME, user_.c_str());
            curl_easy_setopt(curl, CURLOPT_PASSWORD, password_.c_str());
        }
        curl_slist* headers = nullptr;
        if (body) {
            curl_easy_setopt(curl, CURLOPT_POST, 1L);
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->data());
            curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(body->size()));
            headers = curl_slist_append(headers, ("Content-Type: " + contentType).c_str());
            headers = curl_slist_append(headers, "Expect:");
            curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        }
        reply.code = curl_easy_perform(curl);
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
        curl_easy_cleanup(curl);
        curl_slist_free_all(headers);
        return reply;
    }

    std::string base_;
    std::string user_;
    std::string password_;
    Auth auth_ = Auth::None;
    long timeoutMs_ = 5000;
};
