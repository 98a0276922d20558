// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every heap allocation made in this program, counted by the global operator
// new that allocation_counter.cpp puts in place of the library's.

#include <cstddef>

namespace kalvora::bench {

struct Allocations {
    long long calls = 0;
    long long bytes = 0;
};

Allocations allocationsSoFar();

} // namespace kalvora::bench
