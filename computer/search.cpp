// SPDX-License-Identifier: GPL-3.0-or-later
#include "search.h"

#include "evaluation.h"
#include "move_order.h"

#include <algorithm>

namespace kalvora::computer {
namespace {

constexpr int kInfinity = 1 << 20;

// Seeds in the two rows: no line can win more than these, net.
int seedsInRows(const Board& board) {
    return board.totalSeeds() - board.store(Side::One) - board.store(Side::Two);
}

// What one sowing put into the mover's store, less what it put into the other.
int storeGain(const Board& before, const Board& after, Side mover) {
    return (after.store(mover) - before.store(mover)) -
           (after.store(otherSide(mover)) - before.store(otherSide(mover)));
}

} // namespace

bool Search::timeToStop() {
    if (!interruptible_)
        return false;
    if ((limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) ||
        std::chrono::steady_clock::now() >= limits_.deadline)
        stopped_ = true;
    return stopped_;
}

// The value of a move for its mover within [alpha, beta]: what it stored at
// once, and then either the mover's own next turn or the opponent's, negated.
int Search::valueAfter(const Board& before, const Board& after, const Sowing& sowing, int depth,
                       int alpha, int beta) {
    const int gain = storeGain(before, after, before.toMove);
    if (sowing.gameOver)
        return gain; // the seeds left in the rows count for nobody
    if (sowing.anotherTurn)
        return gain + negamax(after, depth - 1, alpha - gain, beta - gain);
    return gain - negamax(after, depth - 1, gain - beta, gain - alpha);
}

// Sows `pit` and values it within [alpha, beta]. Unless the full window is
// asked for, a null window first proves the move no better; only when it is,
// the full window finds by how much.
int Search::sowAndSearch(const Board& board, int pit, int depth, int alpha, int beta,
                         bool fullWindow) {
    Board after = board;
    const Sowing sowing = sow(after, pit);
    ++nodes_;
    if (fullWindow)
        return valueAfter(board, after, sowing, depth, alpha, beta);
    const int value = valueAfter(board, after, sowing, depth, alpha, alpha + 1);
    if (value > alpha && value < beta)
        return valueAfter(board, after, sowing, depth, alpha, beta);
    return value;
}

int Search::negamax(const Board& board, int depth, int alpha, int beta) {
    // The clock is read every thousand nodes or so, a fraction of a millisecond.
    if (--untilClockCheck_ == 0) {
        untilClockCheck_ = kNodesBetweenClockChecks;
        timeToStop();
    }
    if (stopped_)
        return 0;

    // Nothing outside [-rows, rows] can happen from here.
    const int rows = seedsInRows(board);
    if (alpha >= rows)
        return rows;
    if (beta <= -rows)
        return -rows;
    if (depth <= 0) {
        ++horizonLeaves_;
        ++depthLeaves_;
        return std::clamp(estimate(board), -rows, rows);
    }

    const bool useTable = depth > 1;
    const std::uint64_t key = useTable ? positionKey(board) : 0;
    int tablePit = 0;
    if (const TableEntry* e = useTable ? table_.probe(key) : nullptr) {
        tablePit = e->bestPit;
        if (e->depth >= depth && (e->depth == kProvenDepth || trustEstimates_)) {
            const bool cuts = e->bound == Bound::Exact ||
                              (e->bound == Bound::Lower && e->value >= beta) ||
                              (e->bound == Bound::Upper && e->value <= alpha);
            if (cuts) {
                if (e->depth != kProvenDepth)
                    ++horizonLeaves_;
                return e->value;
            }
        }
    }

    const std::uint64_t horizonBefore = horizonLeaves_;
    const int alphaBefore = alpha;
    int best = -kInfinity;
    int bestPit = 0;
    const MoveList moves = orderedMoves(board, tablePit, history_);
    for (int i = 0; i < moves.count; ++i) {
        const int pit = moves.pits[static_cast<unsigned>(i)];
        const int value = sowAndSearch(board, pit, depth, alpha, beta, i == 0);
        if (stopped_)
            return 0;
        if (value > best) {
            best = value;
            bestPit = pit;
        }
        if (best > alpha)
            alpha = best;
        if (alpha >= beta) {
            history_[static_cast<unsigned>(pit)] += static_cast<std::uint32_t>(depth * depth);
            break;
        }
    }

    const Bound bound = best >= beta         ? Bound::Lower
                        : best > alphaBefore ? Bound::Exact
                                             : Bound::Upper;
    const bool proven = horizonLeaves_ == horizonBefore;
    if (useTable)
        table_.store(key, best, proven ? kProvenDepth : depth, bound, bestPit);
    return best;
}

// One iteration at the root. Every move keeps the value it got, so that a
// level that settles for a weaker move knows what each one is worth.
bool Search::rootIteration(const Board& board, int depth, SearchResult& result) {
    const std::uint64_t horizonBefore = horizonLeaves_;
    const int rows = seedsInRows(board);
    int alpha = -kInfinity;
    int count = 0;
    std::array<RootMove, kRowLength> moves{};
    const MoveList order =
        orderedMoves(board, result.moveCount ? result.moves[0].pit : 0, history_);
    for (int i = 0; i < order.count; ++i) {
        const int pit = order.pits[static_cast<unsigned>(i)];
        // A move searched in full gets its exact value, whatever came before.
        const bool full = i == 0 || limits_.valueEveryMove;
        const int value = sowAndSearch(board, pit, depth, full ? -rows - 1 : alpha, rows + 1, full);
        if (stopped_)
            return false;
        moves[static_cast<unsigned>(count++)] = {pit, value};
        alpha = std::max(alpha, value);
    }
    // Best first, equal values in the order searched; std::stable_sort would
    // take a buffer from the heap.
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && moves[static_cast<unsigned>(j - 1)].value <
                                     moves[static_cast<unsigned>(j)].value;
             --j)
            std::swap(moves[static_cast<unsigned>(j - 1)], moves[static_cast<unsigned>(j)]);
    result.moves = moves;
    result.moveCount = count;
    result.depth = depth;
    result.exact = horizonLeaves_ == horizonBefore;
    return true;
}

SearchResult Search::run(const Board& board, const SearchLimits& limits) {
    limits_ = limits;
    stopped_ = false;
    nodes_ = 0;
    horizonLeaves_ = 0;
    untilClockCheck_ = kNodesBetweenClockChecks;
    trustEstimates_ = true;
    history_.fill(0);
    SearchResult result;
    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        interruptible_ = depth > 1;
        depthLeaves_ = 0;
        if (timeToStop() || !rootIteration(board, depth, result) || result.exact)
            break;
        // Every line ended before the horizon, yet estimates stored by
        // earlier iterations stood in for some: the same depth again,
        // trusting only what is proven, sees every line to its end.
        if (depthLeaves_ == 0 && trustEstimates_) {
            trustEstimates_ = false;
            --depth;
        }
    }
    result.nodes = nodes_;
    return result;
}

} // namespace kalvora::computer
