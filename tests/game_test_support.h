// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game with no window: the event procedures run against a recording
// display, and the tests read the operations back as lines.

#include "form1_procedures.h"
#include "game_state.h"
#include "played_games.h"
#include "recording_display.h"
#include "test_position.h"

#include <sstream>
#include <string>
#include <vector>

namespace kalvora::testing {

class RecordedGame {
public:
    RecordedGame() : display_(log_), form_(state_, display_) { form_.Form_Load(); }

    Form1Procedures& form() { return form_; }
    GameState& state() { return state_; }
    bool timerEnabled() const { return display_.timerEnabled(); }

    // The operations issued since the last call.
    std::vector<std::string> takeLog();

    void clicks(const std::vector<int>& pits);
    void setup(int turn, const Pits& pits, int mode = 1);
    Pits pits() const;

private:
    std::ostringstream log_;
    GameState state_;
    RecordingDisplay display_;
    Form1Procedures form_;
};

// The pits of "7 7 7 7 7 7 7|0|7 7 7 7 7 7 7|0": rows and stores, in order.
Pits board(std::string text);
// The sixteen caption lines that a move (or a start) writes for `pits`.
std::vector<std::string> captionLines(const Pits& pits);
// The line that writes `text` into the status line.
std::string statusLine(const std::string& text);

} // namespace kalvora::testing
