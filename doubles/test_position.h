// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts an arbitrary position on the board, for tests and the replay driver:
// the rules then play on from it as from any other position. It shows nothing
// and leaves the clock and its timer alone.

#include "game_state.h"

#include <array>
#include <cstdint>

namespace kalvora {

struct TestPosition {
    Player turn = PlayerOne;                    // 1..3
    std::int16_t mode = 1;                      // any 16-bit value
    std::array<std::int16_t, kPitCount> pits{}; // pits 1..16 in order, each 0..32767
};

inline void applyTestPosition(GameState& state, const TestPosition& position) {
    state.turn = position.turn;
    state.mode = position.mode;
    for (int p = kFirstPit; p <= kPitCount; ++p)
        state.pits(p) = position.pits[slot(p)];
    state.storeTotals(1) = state.pits(kPlayerOneStore);
    state.storeTotals(2) = state.pits(kPlayerTwoStore);
    state.ambil = 0;
    if (state.hoverIndex == 0)
        state.hoverIndex = 1;
    state.boardLocked = false;
}

} // namespace kalvora
