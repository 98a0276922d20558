// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the computer player costs and how far it sees: positions searched a
// second, depth, table memory, heap allocations, and exact endgames.

#include <cstdint>

namespace kalvora::bench {

// False when a search allocated on the heap.
bool measureSpeed(int repetitions);

// For each count of seeds left in the rows from `fewest` to `most`: `count`
// positions of random play, master's time and whether its result was exact.
// False when master disagreed with the exhaustive search.
bool measureEndgames(int fewest, int most, int count, std::uint64_t seed);

} // namespace kalvora::bench
