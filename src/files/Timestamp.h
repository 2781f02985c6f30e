#pragma once

#include <string>
#include <string_view>

// The date and time written into the header of the settings files: local time,
// "YYYY/MM/DD hh:mm:ss". $R4000_TIMESTAMP, in the same form, fixes it (for tests and for
// reproducible exports).
class Timestamp
{
public:
    // False, with the reason in error, when $R4000_TIMESTAMP is set but not in that form.
    static bool current(std::string& stamp, std::string& error);
    // The clock's local date and time in that form, whatever $R4000_TIMESTAMP says.
    static std::string localNow();
    static bool isWellFormed(std::string_view stamp);
};
