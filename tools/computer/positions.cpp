// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions.h"

#include "form1_procedures.h"
#include "game_state.h"
#include "null_display.h"
#include "opponents.h"

#include <set>
#include <stdexcept>

namespace kalvora::bench {
namespace {

void addTurns(const Board& board, int turns, const std::string& sowings,
              std::vector<Opening>& openings, std::set<decltype(Board::seeds)>& seen) {
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit) {
        if (!board.canSow(pit))
            continue;
        Board after = board;
        const Sowing sowing = sow(after, pit);
        const std::string played = sowings + (sowings.empty() ? "" : " ") + std::to_string(pit);
        if (sowing.gameOver)
            continue;
        if (sowing.anotherTurn)
            addTurns(after, turns, played, openings, seen);
        else if (turns > 1)
            addTurns(after, turns - 1, played, openings, seen);
        else if (seen.insert(after.seeds).second)
            openings.push_back({after, played});
    }
}

} // namespace

Board openingBoard() {
    // The game sets the opening up; nothing here repeats how.
    GameState state;
    NullDisplay display;
    Form1Procedures form{state, display};
    form.Form_Load();
    form.new1_Click();
    return boardOf(state);
}

int seedsInRows(const Board& board) {
    return board.rowSeeds(Side::One) + board.rowSeeds(Side::Two);
}

Board randomPositionWith(int seeds, std::mt19937_64& random) {
    for (int attempt = 0; attempt < 100000; ++attempt) {
        Board board = openingBoard();
        while (!board.rowEmpty(board.toMove) && seedsInRows(board) > seeds)
            sow(board, randomLegalPit(board, random));
        if (!board.rowEmpty(board.toMove) && seedsInRows(board) == seeds)
            return board;
    }
    throw std::runtime_error("no random game passed " + std::to_string(seeds) + " seeds left");
}

std::vector<Opening> twoTurnOpenings() {
    std::vector<Opening> openings;
    std::set<decltype(Board::seeds)> seen;
    addTurns(openingBoard(), 2, "", openings, seen);
    return openings;
}

std::string setupLine(const Board& board) {
    // Any mode other than 1 seats the computer.
    const Player turn = board.toMove == Side::One ? PlayerOne : Computer;
    std::string line = "setup " + std::to_string(turn) + " 2";
    for (int pit = kFirstPit; pit <= kPitCount; ++pit)
        line += " " + std::to_string(board[pit]);
    return line;
}

} // namespace kalvora::bench
