// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small vocabulary of the game: pit indices, players, colours and the
// fixed texts. Everything that "knows" the ring's geometry lives here once.

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

// Colours are 24-bit numbers in the &HBBGGRR order.
using Colour = std::uint32_t;
constexpr Colour kGrey = 0x808080;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kGreen = 0x00C000;
constexpr Colour kLightBlue = 0xFF8080;
constexpr Colour kLightYellow = 0x80FFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// The two looks of a pit: normal and highlighted.
constexpr Colour kNormalBack = kGrey;
constexpr Colour kNormalFore = kWhite;
constexpr Colour kHighlightBack = kWhite;
constexpr Colour kHighlightFore = kBlack;

namespace text {
// The names of the player numbers, from PlayerOne to Draw.
constexpr const char* kPlayerNames[kPlayerNameCount] = {"Player one", "Player two", "Computer",
                                                        "DRAW !!"};
constexpr const char* kTurnSuffix = " Turn";
constexpr const char* kWinnerPrefix = "The Winner is...";
constexpr const char* kResultPrefix = "The Result is...";
constexpr const char* kWelcome = "Welcome to Kalvoro 1.0";
constexpr const char* kInitialClock = "00:00:00";
constexpr const char* kInitialCount = "00";
// playerlbl(1) and playerlbl(2) on the middle panel; against the computer
// playerlbl(2) shows playerNames(Computer) instead.
constexpr const char* kPlayerLabelOne = "Player1";
constexpr const char* kPlayerLabelTwo = "Player2";
constexpr const char* kSettingsPrompt = "Sorry, masih dalam proyek !!";
constexpr const char* kSettingsTitle = "Sorry...";
} // namespace text

// Message box style 16: an OK button alone with the critical icon.
constexpr int kMsgBoxCritical = 16;

// The clock ticks once a second.
constexpr int kTimerIntervalMs = 1000;

} // namespace kalvora
