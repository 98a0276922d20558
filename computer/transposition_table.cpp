// SPDX-License-Identifier: GPL-3.0-or-later
#include "transposition_table.h"

#include <cstring>

namespace kalvora::computer {

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t positionKey(const Board& board) {
    std::uint64_t words[4];
    static_assert(sizeof words == sizeof board.seeds);
    std::memcpy(words, board.seeds.data(), sizeof words);
    // Pits 8 and 16, the stores, are the top quarters of the second and the
    // fourth word.
    constexpr std::uint64_t withoutStore = 0x0000ffffffffffffULL;
    // The side to move goes in apart from every count, so that it never
    // cancels a count's lowest bit.
    std::uint64_t h = mix(words[0]) + (board.toMove == Side::Two ? 0x9e3779b97f4a7c15ULL : 0);
    h = mix(h ^ (words[1] & withoutStore));
    h = mix(h ^ words[2]);
    return mix(h ^ (words[3] & withoutStore));
}

TranspositionTable::TranspositionTable(std::size_t bytes) {
    // A power of two of buckets, so that a key picks one with a mask.
    bucketCount_ = 1;
    while (bucketCount_ * 2 * sizeof(Bucket) <= bytes)
        bucketCount_ *= 2;
    buckets_ = std::make_unique<Bucket[]>(bucketCount_);
}

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
    for (const TableEntry& e : bucketOf(key).entries)
        if (e.key == key && e.bound != Bound::None)
            return &e;
    return nullptr;
}

void TranspositionTable::store(std::uint64_t key, int value, int depth, Bound bound, int bestPit) {
    Bucket& bucket = bucketOf(key);
    // The same position, else the shallowest entry makes room.
    TableEntry* victim = &bucket.entries[0];
    for (TableEntry& e : bucket.entries) {
        if (e.key == key) {
            victim = &e;
            break;
        }
        if (e.depth < victim->depth)
            victim = &e;
    }
    if (victim->key == key && victim->depth > depth && victim->bound == Bound::Exact)
        return; // a deeper exact value is worth more than this one
    victim->key = key;
    victim->value = static_cast<std::int16_t>(value);
    victim->depth = static_cast<std::uint8_t>(depth);
    victim->bound = bound;
    victim->bestPit = static_cast<std::int8_t>(bestPit);
}

void TranspositionTable::clear() {
    for (std::size_t i = 0; i < bucketCount_; ++i)
        buckets_[i] = Bucket{};
}

} // namespace kalvora::computer
