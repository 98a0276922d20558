// SPDX-License-Identifier: GPL-3.0-or-later
// The pit under the pointer is highlighted while a game runs; the highlight
// stays on the last pit reached until another eligible pit takes it.

#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::angka_MouseMove(int index) {
    if (state_.boardLocked)
        return;
    // The store of the player who is not to move never takes the highlight.
    if (index == opponentStore(state_.turn))
        return;
    moveHighlight(index);
}

void Form1Procedures::moveHighlight(int index) {
    display_.setBoxBackColor(state_.hoverIndex, kNormalBack);
    display_.setPitForeColor(state_.hoverIndex, kNormalFore);
    display_.setBoxBackColor(index, kHighlightBack);
    display_.setPitForeColor(index, kHighlightFore);
    state_.hoverIndex = static_cast<std::int16_t>(index);
}

} // namespace kalvora
