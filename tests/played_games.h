// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games played from the opening position by clicks on the pits, with the
// board and the player to move that they leave; the worked examples among
// them. The rules' tests play every row, the window's test a few, through
// its controls.

#include "vocabulary.h"

#include <array>
#include <vector>

namespace kalvora::testing {

using Pits = std::array<int, kPitCount>; // pits 1..16 in order

inline const Pits kOpening = {7, 7, 7, 7, 7, 7, 7, 0, 7, 7, 7, 7, 7, 7, 7, 0};

struct PlayedGame {
    const char* rule;
    std::vector<int> clicks;
    Pits pits;
    Player turn;
};

inline const PlayedGame kPlayedGames[] = {
    {"pit 1 ends in the own store: another turn",
     {1},
     {0, 8, 8, 8, 8, 8, 8, 1, 7, 7, 7, 7, 7, 7, 7, 0},
     PlayerOne},
    {"pit 3 passes the turn", {3}, {7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0}, PlayerTwo},
    {"a last seed on an empty own pit captures",
     {1, 2, 9, 1},
     {0, 0, 9, 9, 9, 9, 9, 11, 0, 9, 8, 8, 8, 0, 8, 1},
     PlayerTwo},
    {"the last seed skips player two's store",
     {1, 2, 9, 7},
     {2, 0, 9, 9, 9, 9, 0, 3, 1, 10, 9, 9, 9, 9, 9, 1},
     PlayerTwo},
    {"the last seed skips player one's store",
     {2, 9, 7, 15},
     {9, 1, 9, 9, 9, 9, 1, 2, 2, 9, 9, 9, 9, 9, 0, 2},
     PlayerOne},
};

} // namespace kalvora::testing
