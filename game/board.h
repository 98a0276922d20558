// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ring as a small value: sixteen counts and the row to move. The move
// procedure of the window and the computer's search both sow on it with the
// one function below, so the rules exist once.

#include "vocabulary.h"

#include <array>
#include <cstdint>

namespace kalvora {

// The two rows: player one's (pits 1..7) and the second seat's (pits 9..15),
// where player two or the computer sits.
enum class Side : std::uint8_t { One = 0, Two = 1 };

constexpr Side otherSide(Side side) {
    return side == Side::One ? Side::Two : Side::One;
}
constexpr Side sideOf(Player turn) {
    return isPlayerOneTurn(turn) ? Side::One : Side::Two;
}
constexpr int storeOf(Side side) {
    return side == Side::One ? kPlayerOneStore : kPlayerTwoStore;
}
constexpr int firstPitOf(Side side) {
    return side == Side::One ? kFirstPit : kPlayerOneStore + 1;
}
constexpr int lastPitOf(Side side) {
    return storeOf(side) - 1;
}
constexpr int kRowLength = kPlayerOneStore - 1;

// The largest count a pit holds: counts are 16-bit.
constexpr int kMaxSeeds = 32767;

struct Board {
    std::array<std::int16_t, kPitCount> seeds{}; // seeds[slot(p)] is pit p
    Side toMove = Side::One;

    std::int16_t& operator[](int pit) { return seeds[slot(pit)]; }
    std::int16_t operator[](int pit) const { return seeds[slot(pit)]; }

    int store(Side side) const { return (*this)[storeOf(side)]; }
    // Seeds still in a row: at the end they count for nobody.
    int rowSeeds(Side side) const;
    bool rowEmpty(Side side) const;
    int totalSeeds() const;
    // A pit the side to move may sow: one of its own, holding seeds.
    bool canSow(int pit) const;
};

// What one sowing did.
struct Sowing {
    std::int8_t lastPit = 0;  // where the last seed went (1..16)
    bool captured = false;    // it took the opposite pit into the mover's store
    bool anotherTurn = false; // it ended in the mover's own store
    bool gameOver = false;    // the player now to move has an empty row
    bool overflow = false;    // a count would have passed kMaxSeeds; the board is then undefined
};

// Lifts every seed of `pit`, which board.canSow accepts, sows them round the
// ring and passes the turn unless the last seed ended in the mover's store.
Sowing sow(Board& board, int pit);

} // namespace kalvora
