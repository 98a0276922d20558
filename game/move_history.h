// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can be taken back: the board, the stores and the turn as they were
// before each move of a person, back to the start of the game. The clock is
// not part of it: time spent stays spent.

#include "game_state.h"

#include <array>
#include <cstddef>

namespace kalvora {

class MoveHistory {
public:
    void recordBeforeMove(const GameState& state);
    bool empty() const { return count_ == 0; }
    // Puts the last recorded position back into `state` and forgets it.
    void restoreLast(GameState& state);
    void clear() { count_ = 0; }

    // A move allocates nothing, so the positions lie in a ring of fixed
    // size; past it the oldest are forgotten. Games end far sooner.
    static constexpr std::size_t kCapacity = 1024;

private:
    struct Position {
        Board board;
        Player turn;
        std::int16_t ambil;
    };
    std::array<Position, kCapacity> positions_{};
    std::size_t newest_ = 0; // where the next position goes
    std::size_t count_ = 0;
};

} // namespace kalvora
