// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which the search tries the pits: the best pit found before,
// then pits whose last seed ends in the own store (nearest the store first,
// since it disturbs no other pit), then captures by size, then the rest.

#include "board.h"

#include <array>
#include <cstdint>

namespace kalvora::computer {

struct MoveList {
    std::array<std::int8_t, kRowLength> pits{};
    int count = 0;
};

MoveList orderedMoves(const Board& board, int firstPit);

} // namespace kalvora::computer
