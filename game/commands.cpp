// Start-up and the commands of the main window's buttons.

#include "form1_procedures.h"

namespace kalvora {

void Form1Procedures::Form_Load() {
    state_.playerNames(PlayerOne) = text::kPlayerOne;
    state_.playerNames(PlayerTwo) = text::kPlayerTwo;
    state_.playerNames(Computer) = text::kComputer;
    state_.playerNames(Draw) = text::kDraw;
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
