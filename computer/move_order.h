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

// `history` scores each pit (1..16) by the cut-offs it made before; it orders
// the pits that promise nothing at sight.
MoveList orderedMoves(const Board& board, int firstPit,
                      const std::array<std::uint32_t, kPitCount + 1>& history);

} // namespace kalvora::computer
