// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one game-state record. The main window owns it for the life of the
// process and hands it to the rules; it holds no reference to any window.

#include "board.h"
#include "runtime_error.h"
#include "vocabulary.h"

#include <array>
#include <cstdint>
#include <string>

namespace kalvora {

// A fixed array indexed from 1, as the pits and store totals are numbered.
// An index outside the range is the program's "Subscript out of range".
template <typename T, int N> class OneBasedArray {
public:
    T& operator()(int index) { return items_[slot(index)]; }
    const T& operator()(int index) const { return items_[slot(index)]; }
    static constexpr int size() { return N; }

private:
    static std::size_t slot(int index) {
        if (index < 1 || index > N)
            throw subscriptError();
        return static_cast<std::size_t>(index - 1);
    }
    std::array<T, N> items_{};
};

// Fields that have no value until the first start hold 0 here; nothing reads
// them before the start sets them.
struct GameState {
    OneBasedArray<std::int16_t, kPitCount> pits; // 8 and 16 are the stores
    std::int16_t ambil = 0;                      // seeds lifted by the latest move
    Player turn{};                               // 1, 2 or 3
    std::int16_t mode = 0;                       // 1: two people; else the computer plays two
    bool boardLocked = false;
    std::int16_t hoverIndex = 0; // pit highlighted last; 0 until the first start
    OneBasedArray<std::int16_t, 2> storeTotals;
    OneBasedArray<std::string, kPlayerNameCount> playerNames;
    // A 16-bit hour counter would overflow after 32,767 hours of one game; a
    // wide one never does, and the clock shows all its digits anyway.
    std::int64_t clockHours = 0;
    std::int16_t clockMinutes = 0;
    std::uint8_t clockSeconds = 0;

    int totalSeeds() const {
        int sum = 0;
        for (int p = kFirstPit; p <= kPitCount; ++p)
            sum += pits(p);
        return sum;
    }
};

// The board and the row to move, as the sowing and the search see them.
inline Board boardOf(const GameState& state) {
    Board board;
    for (int p = kFirstPit; p <= kPitCount; ++p)
        board[p] = state.pits(p);
    board.toMove = sideOf(state.turn);
    return board;
}

} // namespace kalvora
