// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Iterative deepening alpha-beta (principal variation search) over the
// sowings. Values are seeds still to be won, net, by the side to move: the
// stores already filled are added by the caller, and the table can share
// what it learns between positions that differ only in their stores.

#include "board.h"
#include "transposition_table.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>

namespace kalvora::computer {

struct SearchLimits {
    int maxDepth = 1;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    const std::atomic<bool>* cancel = nullptr;
    // Search every root move with a full window, so that each gets a true
    // value at this depth, not just a bound.
    bool valueEveryMove = false;
};

struct RootMove {
    int pit = 0;
    int value = 0; // net seeds still to be won after sowing this pit
};

struct SearchResult {
    std::array<RootMove, kRowLength> moves{}; // best first
    int moveCount = 0;
    bool exact = false; // every line was seen to the end of the game
    int depth = 0;      // the last iteration that finished
    std::uint64_t nodes = 0;
};

class Search {
public:
    explicit Search(TranspositionTable& table) : table_(table) {}

    // The side to move must have a seed in its row. Depth 1 always finishes,
    // so a legal move comes back even from a deadline already past.
    SearchResult run(const Board& board, const SearchLimits& limits);

private:
    int negamax(const Board& board, int depth, int alpha, int beta);
    int valueAfter(const Board& before, const Board& after, const struct Sowing& sowing, int depth,
                   int alpha, int beta);
    int sowAndSearch(const Board& board, int pit, int depth, int alpha, int beta, bool fullWindow);
    bool rootIteration(const Board& board, int depth, SearchResult& result);
    bool timeToStop();

    TranspositionTable& table_;
    SearchLimits limits_;
    bool interruptible_ = false;
    bool stopped_ = false;
    std::uint64_t nodes_ = 0;
    std::uint64_t horizonLeaves_ = 0; // leaves valued by estimate, not by the end of the game
    std::uint64_t depthLeaves_ = 0;   // of these, the ones at the horizon itself
    bool trustEstimates_ = true;
    std::array<std::uint32_t, kPitCount + 1> history_{};
    static constexpr int kNodesBetweenClockChecks = 1024;
    int untilClockCheck_ = kNodesBetweenClockChecks; // table entries that are not proven may cut
};

} // namespace kalvora::computer
