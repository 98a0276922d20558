// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The positions the measurements start from: the game's own opening, the
// openings of a match and positions reached by random play.

#include "board.h"

#include <random>
#include <string>
#include <vector>

namespace kalvora::bench {

Board openingBoard();
int seedsInRows(const Board& board);

// The first position with exactly `seeds` seeds in the rows and a move to
// make, in random games from the opening.
Board randomPositionWith(int seeds, std::mt19937_64& random);

// Every distinct position after two turns from the opening, a turn being a
// sowing and the further sowings its extra turns give; player one to move.
struct Opening {
    Board board;
    std::string sowings; // the pits sown, in order
};
std::vector<Opening> twoTurnOpenings();

// The position as a kalvora-replay setup line (the second seat the computer).
std::string setupLine(const Board& board);

} // namespace kalvora::bench
