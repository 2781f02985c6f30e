#include "Timestamp.h"

#include <cstdlib>
#include <ctime>

bool Timestamp::current(std::string& stamp, std::string& error)
{
    if (const char* fixed = std::getenv("R4000_TIMESTAMP"); fixed && *fixed) {
        if (!isWellFormed(fixed)) {
            error = "R4000_TIMESTAMP must look like 2024/01/31 09:30:00, not '" +
                    std::string(fixed) + "'";
            return false;
        }
        stamp = fixed;
        return true;
    }
    stamp = localNow();
    return true;
}

std::string Timestamp::localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

bool Timestamp::isWellFormed(std::string_view stamp)
{
    constexpr std::string_view pattern = "0000/00/00 00:00:00";
    if (stamp.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (pattern[i] == '0' ? !digit : stamp[i] != pattern[i])
            return false;
    }
    return true;
}
