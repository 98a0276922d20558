// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone: a move's cost through the event procedures on a display
// that records nothing, from a fixed position put back before each move (only
// the fields a move writes: a few stores), and its heap allocations. A move
// that allocates fails the run.

#include "bench.h"

#include <chrono>
#include <cstdio>

namespace bench {
namespace {

struct MoveCase {
    const char* name;
    int pit;
    int setPit, setCount; // the position before the move: this pit holds this count
    int emptyPit;
};

const MoveCase kMoves[] = {
    {"passes_turn", 3, 3, 7, 0},    // seven seeds end on the other side
    {"extra_turn", 1, 1, 7, 0},     // seven seeds end in store 8
    {"capture", 2, 2, 1, 3},        // one seed ends in the empty pit 3 and takes pit 13
    {"round_the_ring", 1, 1, 40, 0} // round the ring twice and more, skipping store 16
};

constexpr int kTimes = 200000;

} // namespace

int measureRules(int repetitions) {
    long long allocations = 0;
    for (int r = 0; r < repetitions; ++r) {
        for (const MoveCase& move : kMoves) {
            Table table;
            kalvora::GameState& g = table.state;
            table.procedures.new1_Click();
            g.pits(move.setPit) = static_cast<std::int16_t>(move.setCount);
            if (move.emptyPit)
                g.pits(move.emptyPit) = 0;
            const auto pits = g.pits;
            const auto turn = g.turn;
            table.procedures.angka_Click(move.pit); // a first move may set up what all share
            const long long before = allocationCount();
            const auto start = Clock::now();
            for (int i = 0; i < kTimes; ++i) {
                g.pits = pits;
                g.turn = turn;
                table.procedures.angka_Click(move.pit);
            }
            const std::chrono::duration<double, std::nano> took = Clock::now() - start;
            allocations += allocationCount() - before;
            result("kalvora", std::string("rules.move_") + move.name + "_ns",
                   took.count() / kTimes);
        }
    }
    result("kalvora", "rules.allocations_in_moves", static_cast<double>(allocations));
    if (allocations != 0)
        std::fprintf(stderr, "kalvora-bench: a move allocates on the heap\n");
    return allocations != 0 ? 1 : 0;
}

} // namespace bench
