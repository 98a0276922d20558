// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the commands of the main window's buttons.

#include "fixed_texts.h"
#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::Form_Load() {
    for (int player = PlayerOne; player <= Draw; ++player)
        state_.playerNames(player) = text::kPlayerNames[player - PlayerOne];
    state_.boardLocked = true; // nothing on the board answers until a start
    state_.mode = 1;
}

void Form1Procedures::new1_Click() {
    StartGame();
}

// The settings are not there yet: the message says so and nothing changes.
void Form1Procedures::option1_Click() {
    display_.msgBox(text::kSettingsPrompt, kMsgBoxCritical, text::kSettingsTitle);
}

void Form1Procedures::about1_Click() {
    display_.showAbout();
}

} // namespace kalvora
