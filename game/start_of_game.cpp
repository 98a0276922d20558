// SPDX-License-Identifier: GPL-3.0-or-later
// StartGame: the opening position, player one to move, the clock from zero.

#include "fixed_texts.h"
#include "form1_procedures.h"

#include <string>

namespace kalvora {

void Form1Procedures::StartGame() {
    // Every pit takes the normal look, the stores' layout colours included.
    for (int i = kFirstPit; i <= kPitCount; ++i) {
        display_.setBoxBackColor(i, kNormalBack);
        display_.setPitForeColor(i, kNormalFore);
    }
    for (int i = kFirstPit; i <= kPitCount; ++i) {
        state_.pits(i) = isStore(i) ? 0 : kSeedsPerPitAtStart;
        display_.setPitCaption(i, std::to_string(state_.pits(i)));
        display_.setBoxBackColor(i, kNormalBack);
    }
    for (int i = 1; i <= 2; ++i)
        state_.storeTotals(i) = 0;
    state_.ambil = 0;
    state_.turn = PlayerOne;
    showTurn();
    // No pit is highlighted yet; the first movement resets pit 1 harmlessly.
    state_.hoverIndex = 1;
    state_.clockHours = 0;
    state_.clockMinutes = 0;
    state_.clockSeconds = 0;
    state_.boardLocked = false;
    display_.setTimerEnabled(true);
    history_.clear();
}

void Form1Procedures::showTurn() {
    display_.setStatusCaption(state_.playerNames(state_.turn) + text::kTurnSuffix);
}

} // namespace kalvora
