// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_history.h"

namespace kalvora {

void MoveHistory::recordBeforeMove(const GameState& state) {
    positions_[newest_] = {boardOf(state), state.turn, state.ambil};
    newest_ = (newest_ + 1) % kCapacity;
    if (count_ < kCapacity)
        ++count_;
}

void MoveHistory::restoreLast(GameState& state) {
    newest_ = (newest_ + kCapacity - 1) % kCapacity;
    --count_;
    const Position& last = positions_[newest_];
    for (int p = kFirstPit; p <= kPitCount; ++p)
        state.pits(p) = last.board[p];
    state.storeTotals(1) = last.board[kPlayerOneStore];
    state.storeTotals(2) = last.board[kPlayerTwoStore];
    state.turn = last.turn;
    state.ambil = last.ambil;
}

} // namespace kalvora
