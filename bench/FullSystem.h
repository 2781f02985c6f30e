#pragma once

#include "R4000System.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The system model at full size, shared by the benchmarks: 80 units of mixed models, every
// station numbered and named, all paging zones and blocking groups populated, references
// everywhere.

namespace bench {

constexpr int kUnits = 80;
constexpr int kZones = 160;
constexpr int kBlockGroups = 31;

// The zones' public-address outputs: two per zone, spread over the R-4100EX units.
template <class Action> void forEachZoneOutput(const std::vector<int>& paUnits, Action action)
{
    const std::size_t count = paUnits.size();
    for (int z = 1; z <= kZones; ++z) {
        action(z, paUnits[std::size_t(2 * z) % count], 1);
        action(z, paUnits[std::size_t(2 * z + 1) % count], 2);
    }
}

struct FullSystem {
    std::unique_ptr<R4000System> sys;
    std::vector<int> paUnits; // slots holding an R-4100EX
    std::string error;        // the first step the model refused, empty when none was
};

// Builds the full system; error names the first step the model refused.
FullSystem buildFullSystem();

} // namespace bench
