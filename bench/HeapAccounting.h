#pragma once

#include <cstddef>

// Heap use of the benchmark program, counted by the global allocation functions in
// HeapAccounting.cpp (linked into every benchmark executable).

// One measurement window: the peak restarts from the current use.
struct HeapMark {
    std::size_t base;
    std::size_t allocations;

    static HeapMark start();
    // The highest heap use since start, above what was in use at start.
    double peakMB() const;
    // What is in use now, above what was in use at start.
    double heldMB() const;
    double allocationsSince() const;
};

// The process's peak resident set size so far.
double maxRssMB();
