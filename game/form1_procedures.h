// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event procedures of the main window, free of any toolkit. The window
// forwards each control event here with the pit index; everything shown comes
// back through the Display operations, in the order the rules issue them.

#include "board.h"
#include "display.h"
#include "game_state.h"

namespace kalvora {

class Form1Procedures {
public:
    Form1Procedures(GameState& state, Display& display) : state_(state), display_(display) {}

    void Form_Load();
    void new1_Click();
    void stop1_Click();
    void option1_Click();
    void about1_Click();
    void angka_Click(int index);
    void angka_MouseMove(int index);
    void Timer1_Timer();

    const GameState& state() const { return state_; }

private:
    void StartGame();
    void FinishGame();
    bool acceptsClick(int index) const;
    Sowing sowPit(int index);
    void showTurn();

    GameState& state_;
    Display& display_;
};

} // namespace kalvora
