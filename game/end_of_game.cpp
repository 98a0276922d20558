// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways a game ends: with a result when the player to move has an
// empty row, and without one through the stop command.

#include "fixed_texts.h"
#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::FinishGame() {
    state_.boardLocked = true;
    display_.setTimerEnabled(false);
    // Only the stores count; seeds left in the rows belong to nobody.
    Player outcome = Draw;
    if (state_.storeTotals(1) > state_.storeTotals(2))
        outcome = PlayerOne;
    else if (state_.storeTotals(2) > state_.storeTotals(1))
        outcome = secondSeat(state_.mode);
    const char* prefix = outcome == Draw ? text::kResultPrefix : text::kWinnerPrefix;
    display_.setStatusCaption(prefix + state_.playerNames(outcome));
}

// A stopped game cannot be taken up again; the board, status line and clock
// stay on view until the next start.
void Form1Procedures::stop1_Click() {
    state_.boardLocked = true;
    display_.setTimerEnabled(false);
    history_.clear();
}

} // namespace kalvora
