// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_player.h"

namespace kalvora::computer {
namespace {

// A small generator of the player's own, so that a level's weaker moves
// follow from the position and replay the same way every time.
std::uint64_t nextRandom(std::uint64_t& state) {
    state += 0x9e3779b97f4a7c15ULL;
    return mix(state);
}

} // namespace

bool searchable(const Board& board) {
    return board.totalSeeds() <= kMaxSeeds;
}

ComputerPlayer::ComputerPlayer(Level level)
    : level_(level), settings_(settingsOf(level)), table_(settings_.tableBytes), search_(table_) {}

Choice ComputerPlayer::choose(const Board& board, const std::atomic<bool>* cancel) {
    return choose(board, std::chrono::steady_clock::now() + settings_.budget, cancel);
}

Choice ComputerPlayer::choose(const Board& board, std::chrono::steady_clock::time_point deadline,
                              const std::atomic<bool>* cancel) {
    Choice choice;
    if (board.rowEmpty(board.toMove))
        return choice;
    SearchLimits limits;
    limits.maxDepth = settings_.maxDepth;
    limits.deadline = deadline;
    limits.cancel = cancel;
    limits.valueEveryMove = settings_.weakerMoveChance > 0;
    const SearchResult result = search_.run(board, limits);

    RootMove chosen = result.moves[0];
    std::uint64_t random = positionKey(board) ^ static_cast<std::uint64_t>(board.totalSeeds());
    if (static_cast<int>(nextRandom(random) % 100) < settings_.weakerMoveChance) {
        // Any other move that loses at most `slack` seeds against the best.
        int near = 0;
        while (near + 1 < result.moveCount && result.moves[static_cast<unsigned>(near + 1)].value >=
                                                  chosen.value - settings_.slack)
            ++near;
        if (near > 0)
            chosen = result.moves[static_cast<unsigned>(1 + nextRandom(random) % near)];
    }
    choice.pit = chosen.pit;
    choice.value = board.store(board.toMove) - board.store(otherSide(board.toMove)) + chosen.value;
    choice.exact = result.exact;
    choice.depth = result.depth;
    choice.nodes = result.nodes;
    return choice;
}

} // namespace kalvora::computer
