// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search has learnt about positions it met before, in one table of
// small entries allocated once. The key leaves the stores out: what is still
// to be won depends only on the rows and the side to move, so positions that
// differ only in their stores share what was learnt.

#include "board.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kalvora::computer {

enum class Bound : std::uint8_t { None, Lower, Upper, Exact };

// Depth of an entry whose every line was seen to the end of the game: its
// bound holds however deep a later search wants to look.
constexpr int kProvenDepth = 255;

struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t value = 0; // seeds still to be won by the side to move, net
    std::uint8_t depth = 0;
    Bound bound = Bound::None;
    std::int8_t bestPit = 0;
};

// Scatters the bits of x over the whole word: the table's keys and the
// levels' chance draw on it.
std::uint64_t mix(std::uint64_t x);
std::uint64_t positionKey(const Board& board);

class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t bytes);

    // The entry for `key`, or nullptr.
    const TableEntry* probe(std::uint64_t key) const;
    void store(std::uint64_t key, int value, int depth, Bound bound, int bestPit);
    void clear();
    std::size_t bytes() const { return bucketCount_ * sizeof(Bucket); }

private:
    // One cache line: a probe reads it whole.
    struct alignas(64) Bucket {
        TableEntry entries[4];
    };
    Bucket& bucketOf(std::uint64_t key) const { return buckets_[key & (bucketCount_ - 1)]; }

    std::size_t bucketCount_;
    std::unique_ptr<Bucket[]> buckets_;
};

} // namespace kalvora::computer
