#pragma once

#include <optional>
#include <string>
#include <vector>

class System;

// What the collective setup of the station table does to the stations in its range, each
// in table order with its place k = 1, 2, ...: give it another model, the name prefix
// followed by k, the number start + k - 1 with leading zeros to the system's digit count.
struct CollectiveSetup {
    // A station slot: unit number and line.
    struct Slot {
        int unit;
        int line;
    };

    std::optional<std::string> model; // "NONE" for no station
    std::optional<long> start;
    std::optional<std::string> namePrefix; // bytes in the code page

    // Decimal digits of a positive number.
    static int digits(long number);
    // Whether the names of count stations fit (8 characters at the most).
    bool namesFit(std::size_t count) const;
    // Whether the last of count numbers has no more digits than the system's count.
    bool numbersFit(std::size_t count, int stationDigits) const;
    // Applies it; a value a station refuses is skipped for that station. The system's
    // observers hear of it once.
    void apply(System& system, const std::vector<Slot>& places) const;
};
