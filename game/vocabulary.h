// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small vocabulary of the ring: pit indices, players and the geometry
// that joins them. Everything that "knows" the ring's geometry lives here once.

#include <cassert>
#include <cstddef>
#include <cstdint>

namespace kalvora {

// Pits are numbered 1..16 round the ring: 1..7 player one's row, 8 its store,
// 9..15 player two's row, 16 its store. Seeds travel towards higher numbers.
constexpr int kPitCount = 16;
constexpr int kFirstPit = 1;
constexpr int kPlayerOneStore = 8;
constexpr int kPlayerTwoStore = 16;
constexpr int kSeedsPerPitAtStart = 7;

enum Player : std::int16_t {
    PlayerOne = 1,
    PlayerTwo = 2,
    Computer = 3, // takes player two's place when mode is not 1
    Draw = 4,     // only ever an outcome, never a turn
};
// playerNames holds one name for each number, PlayerOne..Draw.
constexpr int kPlayerNameCount = Draw;

constexpr bool isPitIndex(int pit) {
    return pit >= kFirstPit && pit <= kPitCount;
}
// An array of one entry a pit holds pit p at slot p - 1.
constexpr std::size_t slot(int pit) {
    assert(isPitIndex(pit));
    return static_cast<std::size_t>(pit - 1);
}
// And back: the pit held at slot s.
constexpr int pitAt(std::size_t slot) {
    return static_cast<int>(slot) + 1;
}

constexpr bool isStore(int pit) {
    return pit == kPlayerOneStore || pit == kPlayerTwoStore;
}

// Seeds travel towards higher numbers, and from pit 16 on to pit 1.
constexpr int nextPit(int pit) {
    return pit == kPitCount ? kFirstPit : pit + 1;
}

// Small pit p faces 16 - p across the board (1 and 15, ..., 7 and 9).
constexpr int oppositePit(int pit) {
    return kPitCount - pit;
}

// Pits 1..8 are player one's, 9..16 player two's (or the computer's).
constexpr Player pitOwner(int pit) {
    return pit <= kPlayerOneStore ? PlayerOne : PlayerTwo;
}

// Whoever sits opposite player one: player two with mode 1, else the computer.
constexpr Player secondSeat(int mode) {
    return mode == 1 ? PlayerTwo : Computer;
}

// The computer plays from player two's side, so every turn other than 1 owns
// the top row.
constexpr bool isPlayerOneTurn(Player turn) {
    return turn == PlayerOne;
}
constexpr int ownStore(Player turn) {
    return isPlayerOneTurn(turn) ? kPlayerOneStore : kPlayerTwoStore;
}
constexpr int opponentStore(Player turn) {
    return isPlayerOneTurn(turn) ? kPlayerTwoStore : kPlayerOneStore;
}
// A row runs from the pit after the opponent's store up to the own store.
constexpr int firstOwnPit(Player turn) {
    return nextPit(opponentStore(turn));
}
constexpr int lastOwnPit(Player turn) {
    return ownStore(turn) - 1;
}
constexpr bool isOwnSmallPit(Player turn, int pit) {
    return pit >= firstOwnPit(turn) && pit <= lastOwnPit(turn);
}

} // namespace kalvora
