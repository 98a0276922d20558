// SPDX-License-Identifier: GPL-3.0-or-later
// The sowing move on the ring. The search runs it millions of times a second,
// so a pit of many seeds is sown lap by lap, not seed by seed.

#include "board.h"

namespace kalvora {
namespace {

constexpr std::size_t nextSlot(std::size_t s) {
    return (s + 1) % kPitCount;
}
// Small pit p faces 16 - p; in slots, s faces 14 - s.
constexpr std::size_t oppositeSlot(std::size_t s) {
    return slot(oppositePit(pitAt(s)));
}

} // namespace

int Board::rowSeeds(Side side) const {
    int sum = 0;
    for (int p = firstPitOf(side); p <= lastPitOf(side); ++p)
        sum += (*this)[p];
    return sum;
}

bool Board::rowEmpty(Side side) const {
    for (int p = firstPitOf(side); p <= lastPitOf(side); ++p)
        if ((*this)[p] != 0)
            return false;
    return true;
}

int Board::totalSeeds() const {
    int sum = 0;
    for (const std::int16_t count : seeds)
        sum += count;
    return sum;
}

bool Board::canSow(int pit) const {
    return pit >= firstPitOf(toMove) && pit <= lastPitOf(toMove) && (*this)[pit] > 0;
}

Sowing sow(Board& board, int pit) {
    Sowing result;
    auto& s = board.seeds;
    const Side mover = board.toMove;
    const std::size_t ownStore = slot(storeOf(mover));
    const std::size_t opponentStore = slot(storeOf(otherSide(mover)));
    const std::size_t firstOwn = slot(firstPitOf(mover));

    std::size_t at = slot(pit);
    const int lifted = s[at];
    s[at] = 0;
    // Every seed but the last goes into the next pit, both stores included.
    int before = lifted - 1;
    if (before >= kPitCount) {
        const int laps = before / kPitCount;
        for (std::int16_t& count : s) {
            if (count > kMaxSeeds - laps) {
                result.overflow = true;
                return result;
            }
            count = static_cast<std::int16_t>(count + laps);
        }
        before %= kPitCount;
    }
    for (; before > 0; --before) {
        at = nextSlot(at);
        if (s[at] == kMaxSeeds) {
            result.overflow = true;
            return result;
        }
        ++s[at];
    }
    // The last seed never ends in the opponent's store: it goes one further.
    at = nextSlot(at);
    if (at == opponentStore)
        at = nextSlot(at);
    // Below the first own slot the difference wraps round to a huge number.
    if (s[at] == 0 && at - firstOwn < static_cast<std::size_t>(kRowLength)) {
        // Capture: the seed and the opposite pit's seeds go to the own store,
        // even when the opposite pit is empty.
        const std::size_t opposite = oppositeSlot(at);
        const int gain = 1 + s[opposite];
        if (s[ownStore] > kMaxSeeds - gain) {
            result.overflow = true;
            return result;
        }
        s[ownStore] = static_cast<std::int16_t>(s[ownStore] + gain);
        s[opposite] = 0;
        result.captured = true;
    } else {
        if (s[at] == kMaxSeeds) {
            result.overflow = true;
            return result;
        }
        ++s[at];
    }
    result.lastPit = static_cast<std::int8_t>(pitAt(at));
    result.anotherTurn = at == ownStore;
    if (!result.anotherTurn)
        board.toMove = otherSide(mover);
    result.gameOver = board.rowEmpty(board.toMove);
    return result;
}

} // namespace kalvora
