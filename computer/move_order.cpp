// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_order.h"

namespace kalvora::computer {
namespace {

// A guess from the counts alone, without sowing: cheap enough for every node.
int promise(const Board& board, int pit) {
    const Side mover = board.toMove;
    const int seeds = board[pit];
    const int toStore = storeOf(mover) - pit;
    if (seeds % kPitCount == toStore)
        return 1000 - toStore;
    if (seeds <= kPitCount) {
        int last = (pit - 1 + seeds) % kPitCount + 1;
        if (last == storeOf(otherSide(mover)))
            last = last % kPitCount + 1;
        const bool own = last >= firstPitOf(mover) && last <= lastPitOf(mover);
        if (own && (board[last] == 0 || last == pit))
            return 100 + board[oppositePit(last)];
    }
    return -toStore;
}

} // namespace

MoveList orderedMoves(const Board& board, int firstPit) {
    MoveList list;
    std::array<int, kRowLength> scores{};
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit) {
        if (board[pit] == 0)
            continue;
        const int score = pit == firstPit ? 1 << 20 : promise(board, pit);
        // Insertion by score, highest first.
        int i = list.count++;
        for (; i > 0 && scores[static_cast<unsigned>(i - 1)] < score; --i) {
            scores[static_cast<unsigned>(i)] = scores[static_cast<unsigned>(i - 1)];
            list.pits[static_cast<unsigned>(i)] = list.pits[static_cast<unsigned>(i - 1)];
        }
        scores[static_cast<unsigned>(i)] = score;
        list.pits[static_cast<unsigned>(i)] = static_cast<std::int8_t>(pit);
    }
    return list;
}

} // namespace kalvora::computer
