// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can be taken back: the board, the stores and the turn as they were
// before each move of a person, back to the start of the game. The clock is
// not part of it: time spent stays spent.

#include "game_state.h"

#include <vector>

namespace kalvora {

class MoveHistory {
public:
    void recordBeforeMove(const GameState& state);
    bool empty() const { return positions_.empty(); }
    // Puts the last recorded position back into `state` and forgets it.
    void restoreLast(GameState& state);
    void clear() { positions_.clear(); }

private:
    struct Position {
        Board board;
        Player turn;
        std::int16_t ambil;
    };
    std::vector<Position> positions_;
};

} // namespace kalvora
