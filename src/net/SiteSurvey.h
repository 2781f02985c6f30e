#pragma once

#include "ScanElement.h"

#include <map>
#include <string>
#include <vector>

class System;

// A scan of the site held against a system: which of the system's units answered where the
// system has them, which answered at another address, which are missing, which units
// answered that the system does not have, and which addresses more than one unit claims.
// A unit is matched by its address first, then, among the units no address matched, by its
// unit name when exactly one answered with it, of the unit's model.
class SiteSurvey
{
public:
    enum class Status {
        Found,        // at its address, of its model
        ModelDiffers, // at its address, of another model
        Elsewhere,    // found by its name (and model) at another address
        Missing,
    };
    struct UnitResult {
        int number;
        Status status;
        // The unit that answered for it (Found, ModelDiffers, Elsewhere).
        ScanElement found;
    };
    struct SharedAddress {
        std::string address;
        std::vector<std::string> macs;
    };

    SiteSurvey(const System& system, const std::map<std::string, ScanElement>& scanned);

    // One per registered unit, in unit order.
    const std::vector<UnitResult>& units() const { return units_; }
    // The units that answered and match no unit of the system, by MAC.
    const std::vector<ScanElement>& unknown() const { return unknown_; }
    const std::vector<SharedAddress>& sharedAddresses() const { return shared_; }
    // Whether anything differs from the system.
    bool differs() const;

    // "found", "model-differs", "elsewhere", "missing"
    static const char* key(Status status);

private:
    std::vector<UnitResult> units_;
    std::vector<ScanElement> unknown_;
    std::vector<SharedAddress> shared_;
};
