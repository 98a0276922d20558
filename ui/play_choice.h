// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whom a person plays and how strong the computer is: chosen in the menu or
// on the command line, and remembered for the next start in the one file the
// game writes.

#include "levels.h"
#include "opponent.h"

struct PlayChoice {
    kalvora::Opponent opponent = kalvora::Opponent::TwoPlayers;
    // A first opponent should be beatable.
    kalvora::computer::Level level = kalvora::computer::Level::Casual;
};

// What was chosen last. A missing, unreadable or damaged file, or a value
// the game does not know, gives the default for that part instead.
PlayChoice rememberedChoice();
void rememberChoice(const PlayChoice& choice);
