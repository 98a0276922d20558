// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players a match seats: the computer player's four levels and three
// reference players of this tool's own, which share nothing with the engine
// but the sowing.

#include "board.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace kalvora::bench {

constexpr const char* kOpponentNames = "beginner casual strong master greedy random ab8";

// Final store difference, mover's store minus the other, with best play by
// both sides for `depth` sowings and the stores as they stand after that:
// negamax alpha-beta over sow, no table, no move ordering. A depth that no
// game reaches makes it the exact value.
int alphaBetaValue(const Board& board, int depth, int alpha, int beta);
constexpr int kWholeGame = 1 << 20; // a depth no game reaches
int exactValue(const Board& board);
// The value of sowing `pit` for the side to move, to `depth` sowings after it.
int valueOfPit(const Board& board, int pit, int depth);

int randomLegalPit(const Board& board, std::mt19937_64& random);

class Opponent {
public:
    virtual ~Opponent() = default;
    // A pit the side to move may sow; its row holds a seed.
    virtual int choose(const Board& board) = 0;
    virtual void newGame(std::uint64_t seed) = 0;
};

// Nothing for an unknown name. The move time, when given, replaces the
// budget of strong and master.
std::unique_ptr<Opponent> makeOpponent(const std::string& name,
                                       std::optional<std::chrono::milliseconds> moveTime);

} // namespace kalvora::bench
