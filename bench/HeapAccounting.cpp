#include "HeapAccounting.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <sys/resource.h>

// Heap accounting. Sizes are taken from malloc_usable_size, so the sized and aligned
// delete variants need not trust the size they are handed and the figures include what
// the allocator rounds up.

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

std::atomic<std::size_t> gHeapNow{0};
std::atomic<std::size_t> gHeapPeak{0};
std::atomic<std::size_t> gAllocations{0};

void noteAllocated(void* block)
{
    const std::size_t size = malloc_usable_size(block);
    const std::size_t now = gHeapNow.fetch_add(size, kRelaxed) + size;
    gAllocations.fetch_add(1, kRelaxed);
    std::size_t peak = gHeapPeak.load(kRelaxed);
    while (now > peak && !gHeapPeak.compare_exchange_weak(peak, now, kRelaxed)) {
    }
}

void* allocate(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    noteAllocated(block);
    return block;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment)
{
    void* block = nullptr;
    const std::size_t align = std::max(std::size_t(alignment), sizeof(void*));
    if (posix_memalign(&block, align, size == 0 ? 1 : size) != 0)
        throw std::bad_alloc();
    noteAllocated(block);
    return block;
}

void release(void* block) noexcept
{
    if (!block)
        return;
    gHeapNow.fetch_sub(malloc_usable_size(block), kRelaxed);
    std::free(block);
}

} // namespace

HeapMark HeapMark::start()
{
    const std::size_t now = gHeapNow.load(kRelaxed);
    gHeapPeak.store(now, kRelaxed);
    return {now, gAllocations.load(kRelaxed)};
}

double HeapMark::peakMB() const
{
    return double(gHeapPeak.load(kRelaxed) - base) / (1024.0 * 1024.0);
}

double HeapMark::heldMB() const
{
    return (double(gHeapNow.load(kRelaxed)) - double(base)) / (1024.0 * 1024.0);
}

double HeapMark::allocationsSince() const
{
    return double(gAllocations.load(kRelaxed) - allocations);
}

double maxRssMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t al)
{
    return allocateAligned(size, al);
}
void* operator new[](std::size_t size, std::align_val_t al)
{
    return allocateAligned(size, al);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept
{
    try {
        return allocateAligned(size, al);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t& tag) noexcept
{
    return operator new(size, al, tag);
}

void operator delete(void* p) noexcept
{
    release(p);
}
void operator delete[](void* p) noexcept
{
    release(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    release(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    release(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(p);
}
