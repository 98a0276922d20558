// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player: one entry point that takes a board, a level, a
// deadline and a cancel flag, and gives back the pit to sow, the value it
// expects and whether that value is proven. No toolkit and no threads here:
// the window runs a search on a thread of its own and cancels it from there.

#include "board.h"
#include "levels.h"
#include "search.h"
#include "transposition_table.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace kalvora::computer {

struct Choice {
    int pit = 0;        // 1..7 or 9..15; 0 when the side to move has no seed in its row
    int value = 0;      // final store difference expected, mover's store minus the other
    bool exact = false; // the value is proven: every line was seen to the end
    int depth = 0;      // sowings of the last finished iteration
    std::uint64_t nodes = 0;
};

// Every position the rules allow is searchable as long as no count can pass
// the 16-bit range, which a board of at most kMaxSeeds seeds guarantees.
bool searchable(const Board& board);

class ComputerPlayer {
public:
    // Allocates the level's table once; choose() allocates nothing.
    explicit ComputerPlayer(Level level);

    Level level() const { return level_; }

    // The level's own time budget from now, cancelled when *cancel turns true
    // (from any thread). The board must be searchable.
    Choice choose(const Board& board, const std::atomic<bool>* cancel = nullptr);
    // The same with a deadline of the caller's.
    Choice choose(const Board& board, std::chrono::steady_clock::time_point deadline,
                  const std::atomic<bool>* cancel);

    // Forget everything learnt, as before a new game.
    void clear() { table_.clear(); }

private:
    Level level_;
    const LevelSettings& settings_;
    TranspositionTable table_;
    Search search_;
};

} // namespace kalvora::computer
