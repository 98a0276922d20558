// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader calls each pit: whose it is and its place in that
// player's row, counted the way the seeds go. Plain C++, no toolkit.

#include "vocabulary.h"

#include <string>

namespace kalvora {

// "Player one, pit 1".."Player one, pit 7", "Player one's store", then
// "Player two, pit 1" for pit 9 .. "Player two's store" for pit 16, or
// "Computer, pit 1" .. "Computer's store" when the computer sits there.
std::string pitName(int pit, Player secondSeat = PlayerTwo);

} // namespace kalvora
