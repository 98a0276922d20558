// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event procedures of the main window, free of any toolkit. The window
// forwards each control event here with the pit index; everything shown comes
// back through the Display operations, in the order the rules issue them.

#include "board.h"
#include "display.h"
#include "game_state.h"
#include "move_history.h"
#include "opponent.h"

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

    // Playing alone. The opponent takes effect at once, so it is chosen
    // only together with a start or before the first one.
    void chooseOpponent(Opponent opponent);
    Opponent opponent() const { return opponentOf(state_.mode); }
    // True while a game runs and the computer is to move.
    bool computerToMove() const;
    // A person's click or key on a pit: on the computer's turn it is refused.
    void personClick(int index);
    // The computer's move, shown on its pit before the pit is sown as a click.
    void computerShows(int pit);
    void computerSows(int pit);
    const Sowing& lastSowing() const { return lastSowing_; }

    // The hint puts the highlight on `pit`, a pit the player to move may sow;
    // it never moves. False when there is no game or it is the computer's turn.
    bool hintAvailable() const;
    bool showHint(int pit);
    // Back to the position before the last move of a person, the computer's
    // replies included; an ended game opens again.
    void takeBack_Click();
    bool canTakeBack() const { return !history_.empty(); }

    const GameState& state() const { return state_; }

private:
    void StartGame();
    void FinishGame();
    bool acceptsClick(int index) const;
    Sowing sowPit(int index);
    void showTurn();
    void showCounts();
    void moveHighlight(int index);

    GameState& state_;
    Display& display_;
    MoveHistory history_;
    Sowing lastSowing_;
};

} // namespace kalvora
