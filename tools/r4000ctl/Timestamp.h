#pragma once

#include <string>
#include <string_view>

// The date and time written into the header of the settings files: local time,
// "YYYY/MM/DD hh:mm:ss". $R4000_TIMESTAMP, in the same form, fixes it (for tests and for
// reproducible exports).
class Timestamp
{
public:
    // Throws CommandError when $R4000_TIMESTAMP is set but not in that form.
    static std::string current();
    static bool isWellFormed(std::string_view stamp);
};
