#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// Recording date and time of a message, as plain calendar fields (local time).
struct RecordTime {
    int year = 100;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const RecordTime& other) const
    {
        return year == other.year && month == other.month && day == other.day &&
               hour == other.hour && minute == other.minute && second == other.second;
    }
    bool operator!=(const RecordTime& other) const { return !(*this == other); }

    // "YYYY-MM-DD hh:mm:ss", as a message file holds it.
    std::string Text() const
    {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                      minute, second);
        return text;
    }

    // The local date and time now; a leap second counts as the 59th, which a record holds.
    static RecordTime now()
    {
        const std::time_t clock = std::time(nullptr);
        std::tm local{};
        localtime_r(&clock, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
    }
};
