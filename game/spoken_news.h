// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says of a hint and of the computer's move, so that a
// player who cannot see the board can follow them.

#include "board.h"

#include <string>

namespace kalvora {

// "Hint: Player one, pit 3".
std::string hintText(int pit);

// "Computer sows pit 4 of its row, 9 seeds, and captures.": where it sowed,
// how many seeds and what the last seed did. `seeds` is what the pit held.
std::string computerMoveText(int pit, int seeds, const Sowing& sowing);

} // namespace kalvora
