// The move: a click on one of the mover's own pits lifts its seeds and sows
// them round the ring. The last seed decides the rest.

#include "form1_procedures.h"
#include "number_text.h"

namespace kalvora {

bool Form1Procedures::acceptsClick(int index) const {
    if (state_.boardLocked)
        return false;
    if (isStore(index))
        return false;
    if (!isPlayerOneTurn(state_.turn) && index >= 1 && index <= kPlayerOneStore)
        return false;
    if (isPlayerOneTurn(state_.turn) && index >= kPlayerOneStore + 1 && index <= kPitCount)
        return false;
    return state_.pits(index) != 0;
}

// Sows the seeds of pit `index` and returns the pit the last seed reached.
int Form1Procedures::sow(int index) {
    GameState& g = state_;
    g.ambil = g.pits(index);
    g.pits(index) = 0;
    int k = 0;
    int lastPit = 0;
    for (int s = 1; s <= g.ambil; ++s) {
        const bool lastSeed = s == g.ambil;
        if (++k == kPitCount)
            k = 0;
        // The last seed never ends in the opponent's store: it goes one pit
        // further (k may reach 16 here, which still names a real pit).
        if (lastSeed && pitAfter(index, k) == opponentStore(g.turn))
            ++k;
        const int m = pitAfter(index, k);
        if (lastSeed && g.pits(m) == 0 && isOwnSmallPit(g.turn, m)) {
            // Capture: the seed and the opposite pit's seeds go to the store,
            // even when the opposite pit is empty.
            const int store = ownStore(g.turn);
            const int o = oppositePit(m);
            g.pits(store) = checkedAdd(g.pits(store), 1);
            g.pits(store) = checkedAdd(g.pits(store), g.pits(o));
            g.pits(o) = 0;
        } else {
            g.pits(m) = checkedAdd(g.pits(m), 1);
        }
        lastPit = m;
    }
    return lastPit;
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
        if (state_.mode == 1)
            state_.turn = isPlayerOneTurn(state_.turn) ? PlayerTwo : PlayerOne;
        else
            state_.turn = isPlayerOneTurn(state_.turn) ? Computer : PlayerOne;
        showTurn();
    }

    // Only the row of the player now to move is looked at.
    for (int p = firstOwnPit(state_.turn); p <= lastOwnPit(state_.turn); ++p)
        if (state_.pits(p) != 0)
            return;
    FinishGame();
}

} // namespace kalvora
