// SPDX-License-Identifier: GPL-3.0-or-later
// A person alone: the computer in the second seat, a hint for the player to
// move, and taking a move back.

#include "fixed_texts.h"
#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::chooseOpponent(Opponent opponent) {
    const std::int16_t mode = modeOf(opponent);
    if (mode == state_.mode)
        return;
    state_.mode = mode;
    display_.setPlayerCaption(2, opponent == Opponent::TwoPlayers
                                     ? std::string(text::kPlayerLabelTwo)
                                     : state_.playerNames(Computer));
}

bool Form1Procedures::computerToMove() const {
    return !state_.boardLocked && state_.turn == Computer;
}

void Form1Procedures::personClick(int index) {
    if (state_.turn == Computer)
        return;
    angka_Click(index);
}

void Form1Procedures::computerShows(int pit) {
    if (computerToMove() && isOwnSmallPit(Computer, pit))
        moveHighlight(pit);
}

void Form1Procedures::computerSows(int pit) {
    if (computerToMove())
        angka_Click(pit);
}

bool Form1Procedures::hintAvailable() const {
    return !state_.boardLocked && state_.turn != Computer;
}

bool Form1Procedures::showHint(int pit) {
    if (!hintAvailable() || !isOwnSmallPit(state_.turn, pit))
        return false;
    moveHighlight(pit);
    return true;
}

void Form1Procedures::takeBack_Click() {
    if (history_.empty())
        return;
    history_.restoreLast(state_);
    showCounts();
    showTurn();
    // An ended game opens again; its clock goes on from where it stopped.
    if (state_.boardLocked) {
        state_.boardLocked = false;
        display_.setTimerEnabled(true);
    }
}

} // namespace kalvora
