// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock counts ticks of Timer1, not the system time.

#include "clock_text.h"
#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::Timer1_Timer() {
    state_.clockSeconds = checkedAdd(state_.clockSeconds, 1);
    if (state_.clockSeconds == 60) {
        state_.clockMinutes = checkedAdd(state_.clockMinutes, 1);
        state_.clockSeconds = 0;
    }
    // Tested on every tick, not only when the seconds rolled over.
    if (state_.clockMinutes == 60) {
        state_.clockMinutes = 0;
        state_.clockHours = checkedAdd(state_.clockHours, 1);
    }
    display_.setTimeCaption(clockText(state_.clockHours, state_.clockMinutes, state_.clockSeconds));
}

} // namespace kalvora
