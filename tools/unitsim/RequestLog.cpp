#include "RequestLog.h"

#include "FileIo.h"

#include <cstdio>
#include <filesystem>

RequestLog::RequestLog(const std::string& unitDir)
    : requestsDir_(unitDir + "/requests"), logPath_(unitDir + "/requests.log")
{
}

bool RequestLog::open()
{
    if (!FileIo::makeDirs(requestsDir_))
        return false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(requestsDir_, error)) {
        const std::string name = entry.path().filename().string();
        unsigned n = 0;
        int used = 0;
        if (name.size() == 10 && std::sscanf(name.c_str(), "%6u.txt%n", &n, &used) == 1 &&
            used == 10 && n >= next_)
            next_ = n + 1;
    }
    return !error;
}

bool RequestLog::write(const Entry& entry)
{
    std::string file = entry.method + " " + entry.uri + " " + entry.version + "\r\n";
    for (const auto& [name, value] : entry.headers)
        file += name + ": " + value + "\r\n";
    file += "\r\n";
    file += entry.body;

    std::lock_guard<std::mutex> lock(mutex_);
    char sequence[16];
    std::snprintf(sequence, sizeof sequence, "%06u", next_++);
    const std::string status = entry.status > 0 ? std::to_string(entry.status) : "-";
    const std::string user = entry.authorization ? entry.user : "-";
    const std::string line = std::string(sequence) + " " + entry.method + " " + entry.uri + " " +
                             status + " auth=" + user + "\n";
    const bool stored = FileIo::writeFile(requestsDir_ + "/" + sequence + ".txt", file);
    return FileIo::appendFile(logPath_, line) && stored;
}
