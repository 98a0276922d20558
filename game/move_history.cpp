// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_history.h"

namespace kalvora {

void MoveHistory::recordBeforeMove(const GameState& state) {
    positions_.push_back({boardOf(state), state.turn, state.ambil});
}

void MoveHistory::restoreLast(GameState& state) {
    const Position& last = positions_.back();
    for (int p = kFirstPit; p <= kPitCount; ++p)
        state.pits(p) = last.board[p];
    state.storeTotals(1) = last.board[kPlayerOneStore];
    state.storeTotals(2) = last.board[kPlayerTwoStore];
    state.turn = last.turn;
    state.ambil = last.ambil;
    positions_.pop_back();
}

} // namespace kalvora
