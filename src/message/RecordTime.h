#pragma once

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
};
