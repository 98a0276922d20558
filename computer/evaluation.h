// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search guesses at its horizon: seeds still to be won, net, by the
// side to move. The seeds in a row are not the row owner's: whatever lies in
// the rows when a player to move has none left counts for nobody.

#include "board.h"

namespace kalvora::computer {

int estimate(const Board& board);

} // namespace kalvora::computer
