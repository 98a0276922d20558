// SPDX-License-Identifier: GPL-3.0-or-later
// This program's global operator new, so that every heap allocation is
// counted, whatever library makes it; the standard library's other forms of
// new and delete forward to these, and aligned memory is freed with free().

#include "bench.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> calls{0};
std::atomic<long long> bytes{0};

void* counted(std::size_t size, std::size_t alignment) {
    calls.fetch_add(1, std::memory_order_relaxed);
    bytes.fetch_add(static_cast<long long>(size), std::memory_order_relaxed);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (void* p = std::aligned_alloc(alignment, rounded ? rounded : alignment))
        return p;
    throw std::bad_alloc();
}

} // namespace

long long bench::allocationCount() {
    return calls.load();
}

long long bench::allocatedBytes() {
    return bytes.load();
}

void* operator new(std::size_t size) {
    return counted(size, alignof(std::max_align_t));
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return counted(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
