// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed texts the game shows, exactly as it has always shown them, and
// those the window's controls hold before the game writes to them.

#include "vocabulary.h"

namespace kalvora::text {

// The names of the player numbers, from PlayerOne to Draw.
constexpr const char* kPlayerNames[kPlayerNameCount] = {"Player one", "Player two", "Computer",
                                                        "DRAW !!"};
constexpr const char* kTurnSuffix = " Turn";
constexpr const char* kWinnerPrefix = "The Winner is...";
constexpr const char* kResultPrefix = "The Result is...";
constexpr const char* kWelcome = "Welcome to Kalvoro 1.0";
constexpr const char* kInitialClock = "00:00:00";
constexpr const char* kInitialCount = "00";
// playerlbl(1) and playerlbl(2) on the middle panel; against the computer
// playerlbl(2) shows playerNames(Computer) instead.
constexpr const char* kPlayerLabelOne = "Player1";
constexpr const char* kPlayerLabelTwo = "Player2";
constexpr const char* kSettingsPrompt = "Sorry, masih dalam proyek !!";
constexpr const char* kSettingsTitle = "Sorry...";

} // namespace kalvora::text
