// SPDX-License-Identifier: GPL-3.0-or-later
// The guess favours what the side to move can use at once: pits whose last
// seed ends in the own store, and the largest capture at hand. It counts no
// seed in a row as anybody's; doing so lost most games to a plain store
// difference (docs/PERFORMANCE.md has the matches).

#include "evaluation.h"

#include <algorithm>

namespace kalvora::computer {
namespace {

// Pits whose sowing ends in the own store.
int anotherTurnPits(const Board& board, Side side) {
    int count = 0;
    for (int pit = firstPitOf(side); pit <= lastPitOf(side); ++pit)
        if (board[pit] != 0 && board[pit] % kPitCount == storeOf(side) - pit)
            ++count;
    return count;
}

// The seeds the best capture of the side would store: its last seed and the
// seeds opposite.
int bestCapture(const Board& board, Side side) {
    int best = 0;
    for (int pit = firstPitOf(side); pit <= lastPitOf(side); ++pit) {
        const int seeds = board[pit];
        if (seeds == 0 || seeds >= kPitCount)
            continue;
        int last = (pit - 1 + seeds) % kPitCount + 1;
        if (last == storeOf(otherSide(side)))
            last = last % kPitCount + 1;
        if (last >= firstPitOf(side) && last <= lastPitOf(side) && board[last] == 0)
            best = std::max(best, 1 + board[oppositePit(last)]);
    }
    return best;
}

} // namespace

int estimate(const Board& board) {
    const Side mover = board.toMove;
    return 2 * anotherTurnPits(board, mover) - anotherTurnPits(board, otherSide(mover)) +
           bestCapture(board, mover) / 2;
}

} // namespace kalvora::computer
