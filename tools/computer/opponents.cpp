// SPDX-License-Identifier: GPL-3.0-or-later
#include "opponents.h"

#include "computer_player.h"

#include <algorithm>

namespace kalvora::bench {
namespace {

constexpr int kInfinity = 1 << 20;

// What `after`, one sowing on from `board`, is worth to the mover of `board`.
int valueAfter(const Board& board, const Board& after, int depth, int alpha, int beta) {
    return after.toMove == board.toMove ? alphaBetaValue(after, depth, alpha, beta)
                                        : -alphaBetaValue(after, depth, -beta, -alpha);
}

// The best pit to `depth` sowings, the lowest among equals. At depth 1 this
// is the greedy player: the best store difference after one sowing.
class PlainAlphaBeta : public Opponent {
public:
    explicit PlainAlphaBeta(int depth) : depth_(depth) {}
    int choose(const Board& board) override {
        int best = 0;
        int alpha = -kInfinity;
        for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit) {
            if (!board.canSow(pit))
                continue;
            Board after = board;
            sow(after, pit);
            const int value = valueAfter(board, after, depth_ - 1, alpha, kInfinity);
            if (value > alpha) {
                alpha = value;
                best = pit;
            }
        }
        return best;
    }
    void newGame(std::uint64_t) override {}

private:
    int depth_;
};

class Uniform : public Opponent {
public:
    int choose(const Board& board) override { return randomLegalPit(board, random_); }
    void newGame(std::uint64_t seed) override { random_.seed(seed); }

private:
    std::mt19937_64 random_;
};

class EngineLevel : public Opponent {
public:
    EngineLevel(computer::Level level, std::optional<std::chrono::milliseconds> moveTime)
        : player_(level),
          moveTime_(level == computer::Level::Strong || level == computer::Level::Master
                        ? moveTime
                        : std::nullopt) {}
    int choose(const Board& board) override {
        if (!moveTime_)
            return player_.choose(board).pit;
        return player_.choose(board, std::chrono::steady_clock::now() + *moveTime_, nullptr).pit;
    }
    void newGame(std::uint64_t) override { player_.clear(); }

private:
    computer::ComputerPlayer player_;
    std::optional<std::chrono::milliseconds> moveTime_;
};

} // namespace

int alphaBetaValue(const Board& board, int depth, int alpha, int beta) {
    if (depth <= 0 || board.rowEmpty(board.toMove))
        return board.store(board.toMove) - board.store(otherSide(board.toMove));
    int best = -kInfinity;
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove) && alpha < beta;
         ++pit) {
        if (!board.canSow(pit))
            continue;
        Board after = board;
        sow(after, pit);
        best = std::max(best, valueAfter(board, after, depth - 1, alpha, beta));
        alpha = std::max(alpha, best);
    }
    return best;
}

int exactValue(const Board& board) {
    return alphaBetaValue(board, kWholeGame, -kInfinity, kInfinity);
}

int valueOfPit(const Board& board, int pit, int depth) {
    Board after = board;
    sow(after, pit);
    return valueAfter(board, after, depth, -kInfinity, kInfinity);
}

int randomLegalPit(const Board& board, std::mt19937_64& random) {
    int legal[kRowLength];
    int count = 0;
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit)
        if (board.canSow(pit))
            legal[count++] = pit;
    return legal[std::uniform_int_distribution<int>(0, count - 1)(random)];
}

std::unique_ptr<Opponent> makeOpponent(const std::string& name,
                                       std::optional<std::chrono::milliseconds> moveTime) {
    if (const std::optional<computer::Level> level = computer::levelNamed(name))
        return std::make_unique<EngineLevel>(*level, moveTime);
    if (name == "greedy")
        return std::make_unique<PlainAlphaBeta>(1);
    if (name == "random")
        return std::make_unique<Uniform>();
    if (name == "ab8")
        return std::make_unique<PlainAlphaBeta>(8);
    return nullptr;
}

} // namespace kalvora::bench
