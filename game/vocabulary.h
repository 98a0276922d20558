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
    PlayerCount = 4
};

constexpr bool isPitIndex(int pit) {
    return pit >= kFirstPit && pit <= kPitCount;
}
constexpr bool isStore(int pit) {
    return pit == kPlayerOneStore || pit == kPlayerTwoStore;
}

// The computer plays from player two's side, so every turn other than 1 owns
// the top row.
constexpr bool isPlayerOneTurn(int turn) {
    return turn == PlayerOne;
}
constexpr int ownStore(int turn) {
    return isPlayerOneTurn(turn) ? kPlayerOneStore : kPlayerTwoStore;
}
constexpr int opponentStore(int turn) {
    return isPlayerOneTurn(turn) ? kPlayerTwoStore : kPlayerOneStore;
}
constexpr int firstOwnPit(int turn) {
    return isPlayerOneTurn(turn) ? 1 : kPlayerOneStore + 1;
}
constexpr int lastOwnPit(int turn) {
    return ownStore(turn) - 1;
}
constexpr bool isOwnSmallPit(int turn, int pit) {
    return pit >= firstOwnPit(turn) && pit <= lastOwnPit(turn);
}

// Small pit p faces 16 - p across the board (1 and 15, ..., 7 and 9).
constexpr int oppositePit(int pit) {
    return kPitCount - pit;
}

// The pit k steps after pit `from`, round the ring (k may be up to 16).
constexpr int pitAfter(int from, int steps) {
    const int t = from + steps;
    return t <= kPitCount ? t : t % kPitCount;
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
constexpr const char* kPlayerOne = "Player one";
constexpr const char* kPlayerTwo = "Player two";
constexpr const char* kComputer = "Computer";
constexpr const char* kDraw = "DRAW !!";
constexpr const char* kTurnSuffix = " Turn";
constexpr const char* kWinnerPrefix = "The Winner is...";
constexpr const char* kResultPrefix = "The Result is...";
constexpr const char* kWelcome = "Welcome to Kalvoro 1.0";
constexpr const char* kInitialClock = "00:00:00";
constexpr const char* kInitialCount = "00";
constexpr const char* kSettingsPrompt = "Sorry, masih dalam proyek !!";
constexpr const char* kSettingsTitle = "Sorry...";
} // namespace text

// Message box style 16: an OK button alone with the critical icon.
constexpr int kMsgBoxCritical = 16;

// The clock ticks once a second.
constexpr int kTimerIntervalMs = 1000;

} // namespace kalvora
