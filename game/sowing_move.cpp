// SPDX-License-Identifier: GPL-3.0-or-later
// The move: a click on one of the mover's own pits lifts its seeds and sows
// them round the ring. The last seed decides the rest.

#include "form1_procedures.h"

#include <string>

namespace kalvora {

bool Form1Procedures::acceptsClick(int index) const {
    if (state_.boardLocked)
        return false;
    // An index off the ring is run-time error 9, so the pit is read first.
    return state_.pits(index) != 0 && isOwnSmallPit(state_.turn, index);
}

// Sows pit `index` with the one sowing function, on a copy of the board.
Sowing Form1Procedures::sowPit(int index) {
    Board board = boardOf(state_);
    state_.ambil = board[index];
    const Sowing sowing = sow(board, index);
    if (sowing.overflow)
        throw overflowError();
    for (int p = kFirstPit; p <= kPitCount; ++p)
        state_.pits(p) = board[p];
    return sowing;
}

void Form1Procedures::angka_Click(int index) {
    if (!acceptsClick(index))
        return;
    // The computer's moves are taken back with the person's move they answer.
    if (state_.turn != Computer)
        history_.recordBeforeMove(state_);
    const Sowing sowing = sowPit(index);
    lastSowing_ = sowing;
    showCounts();

    // Ending in the mover's own store gives another turn.
    if (!sowing.anotherTurn) {
        state_.turn = isPlayerOneTurn(state_.turn) ? secondSeat(state_.mode) : PlayerOne;
        showTurn();
    }

    // Only the row of the player now to move is looked at.
    if (sowing.gameOver)
        FinishGame();
}

// All sixteen counts are shown after the sowing, changed or not.
void Form1Procedures::showCounts() {
    for (int p = kFirstPit; p <= kPitCount; ++p)
        display_.setPitCaption(p, std::to_string(state_.pits(p)));
    state_.storeTotals(1) = state_.pits(kPlayerOneStore);
    state_.storeTotals(2) = state_.pits(kPlayerTwoStore);
}

} // namespace kalvora
