// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's colours: each player's, and the two looks of a pit that the
// game sets through the Display. The window's own colours are in ui/.

#include "vocabulary.h"

#include <cstdint>

namespace kalvora {

// Colours are 24-bit numbers in the &HBBGGRR order.
using Colour = std::uint32_t;
constexpr Colour kGrey = 0x808080;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

// Player one's store count and band are green, player two's light blue.
constexpr Colour kPlayerOneColour = 0x00C000;
constexpr Colour kPlayerTwoColour = 0xFF8080;

// A pit's count before the game first sets its colour: a store's in its
// owner's colour, a small pit's white.
constexpr Colour startingCountColour(int pit) {
    return pit == kPlayerOneStore   ? kPlayerOneColour
           : pit == kPlayerTwoStore ? kPlayerTwoColour
                                    : kWhite;
}

// The two looks of a pit: normal and highlighted.
constexpr Colour kNormalBack = kGrey;
constexpr Colour kNormalFore = kWhite;
constexpr Colour kHighlightBack = kWhite;
constexpr Colour kHighlightFore = kBlack;

} // namespace kalvora
