// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_order.h"

namespace kalvora::computer {
namespace {

// A guess from the counts alone, without sowing: cheap enough for every node.
std::int64_t promise(const Board& board, int pit, std::uint32_t history) {
    const Side mover = board.toMove;
    const int seeds = board[pit];
    const int toStore = storeOf(mover) - pit;
    if (seeds % kPitCount == toStore)
        return (std::int64_t{1} << 40) - toStore;
    if (seeds <= kPitCount) {
        int last = (pit - 1 + seeds) % kPitCount + 1;
        if (last == storeOf(otherSide(mover)))
            last = last % kPitCount + 1;
        const bool own = last >= firstPitOf(mover) && last <= lastPitOf(mover);
        if (own && (board[last] == 0 || last == pit))
            return (std::int64_t{1} << 36) + board[oppositePit(last)];
    }
    return history;
}

} // namespace

MoveList orderedMoves(const Board& board, int firstPit,
                      const std::array<std::uint32_t, kPitCount + 1>& history) {
    MoveList list;
    std::array<std::int64_t, kRowLength> scores{};
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit) {
        if (board[pit] == 0)
            continue;
        const std::int64_t score = pit == firstPit
                                       ? std::int64_t{1} << 50
                                       : promise(board, pit, history[static_cast<unsigned>(pit)]);
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
