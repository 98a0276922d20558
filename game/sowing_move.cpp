// SPDX-License-Identifier: GPL-3.0-or-later
// The move: a click on one of the mover's own pits lifts its seeds and sows
// them round the ring. The last seed decides the rest.

#include "form1_procedures.h"
#include "number_text.h"

namespace kalvora {

bool Form1Procedures::acceptsClick(int index) const {
    if (state_.boardLocked)
        return false;
    // An index off the ring is run-time error 9, so the pit is read first.
    return state_.pits(index) != 0 && isOwnSmallPit(state_.turn, index);
}

// Sows the seeds of pit `index` and returns the pit the last seed reached.
int Form1Procedures::sow(int index) {
    const Player mover = state_.turn;
    auto& pits = state_.pits;
    state_.ambil = pits(index);
    pits(index) = 0;
    int target = index;
    for (int seed = 1; seed <= state_.ambil; ++seed) {
        const bool lastSeed = seed == state_.ambil;
        target = nextPit(target);
        // The last seed never ends in the opponent's store: it goes one further.
        if (lastSeed && target == opponentStore(mover))
            target = nextPit(target);
        if (lastSeed && pits(target) == 0 && isOwnSmallPit(mover, target)) {
            // Capture: the seed and the opposite pit's seeds go to the store,
            // even when the opposite pit is empty.
            const int store = ownStore(mover);
            const int opposite = oppositePit(target);
            pits(store) = checkedAdd(pits(store), 1);
            pits(store) = checkedAdd(pits(store), pits(opposite));
            pits(opposite) = 0;
        } else {
            pits(target) = checkedAdd(pits(target), 1);
        }
    }
    return state_.ambil > 0 ? target : 0;
}

void Form1Procedures::angka_Click(int index) {
    if (!acceptsClick(index))
        return;
    const int lastPit = sow(index);

    // All sixteen counts are shown after the sowing, changed or not.
    for (int p = kFirstPit; p <= kPitCount; ++p)
        display_.setPitCaption(p, numberText(state_.pits(p)));
    state_.storeTotals(1) = state_.pits(kPlayerOneStore);
    state_.storeTotals(2) = state_.pits(kPlayerTwoStore);

    // Ending in a store can only mean the mover's own: another turn.
    if (!isStore(lastPit)) {
        state_.turn = isPlayerOneTurn(state_.turn) ? secondSeat(state_.mode) : PlayerOne;
        showTurn();
    }

    // Only the row of the player now to move is looked at.
    for (int p = firstOwnPit(state_.turn); p <= lastOwnPit(state_.turn); ++p)
        if (state_.pits(p) != 0)
            return;
    FinishGame();
}

} // namespace kalvora
