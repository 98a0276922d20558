// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player against a plain exhaustive solver on small positions,
// and its answers to a deadline and to cancelling.

#include "computer_player.h"
#include "evaluation.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <thread>
#include <vector>

namespace kalvora::computer {
namespace {

using Clock = std::chrono::steady_clock;

int storeDifference(const Board& board) {
    return board.store(board.toMove) - board.store(otherSide(board.toMove));
}

// The final store difference, mover's minus the other's, with best play from
// both sides, found by trying every line to its end (remembering positions
// met before, stores and all, so that it stays quick).
int solved(const Board& board) {
    static std::map<std::pair<std::array<std::int16_t, kPitCount>, Side>, int> known;
    const auto key = std::make_pair(board.seeds, board.toMove);
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    int best = -kMaxSeeds;
    for (int pit = firstPitOf(board.toMove); pit <= lastPitOf(board.toMove); ++pit) {
        if (!board.canSow(pit))
            continue;
        Board after = board;
        const Sowing sowing = sow(after, pit);
        const int value = sowing.gameOver ? storeDifference(after) * (sowing.anotherTurn ? 1 : -1)
                          : sowing.anotherTurn ? solved(after)
                                               : -solved(after);
        best = std::max(best, value);
    }
    return known[key] = best;
}

// The value of sowing `pit` first, then best play.
int solvedAfter(const Board& board, int pit) {
    Board after = board;
    const Sowing sowing = sow(after, pit);
    const int sign = sowing.anotherTurn ? 1 : -1;
    return sowing.gameOver ? storeDifference(after) * sign : solved(after) * sign;
}

// A position of a few seeds scattered over both rows, stores of any size.
Board smallPosition(std::mt19937& random) {
    Board board;
    board.toMove = random() % 2 ? Side::One : Side::Two;
    const int seeds = 1 + static_cast<int>(random() % 14);
    for (int s = 0; s < seeds; ++s) {
        int pit = 1 + static_cast<int>(random() % kPitCount);
        if (isStore(pit))
            pit = firstPitOf(board.toMove); // the mover always has a seed
        ++board[pit];
    }
    board[kPlayerOneStore] = static_cast<std::int16_t>(random() % 30);
    board[kPlayerTwoStore] = static_cast<std::int16_t>(random() % 30);
    if (board.rowEmpty(board.toMove))
        ++board[lastPitOf(board.toMove)];
    return board;
}

TEST(ComputerPlayer, AgreesWithTheExhaustiveSolverOnSmallPositions) {
    std::mt19937 random(7);
    ComputerPlayer players[] = {ComputerPlayer(Level::Beginner), ComputerPlayer(Level::Casual),
                                ComputerPlayer(Level::Strong), ComputerPlayer(Level::Master)};
    for (int n = 0; n < 400; ++n) {
        const Board board = smallPosition(random);
        const int best = solved(board);
        for (ComputerPlayer& player : players) {
            SCOPED_TRACE("position " + std::to_string(n) + ", " + settingsOf(player.level()).name);
            const Choice choice =
                player.choose(board, Clock::now() + std::chrono::seconds(30), nullptr);
            ASSERT_TRUE(board.canSow(choice.pit));
            // A proven value is the true value of the pit chosen.
            if (choice.exact) {
                EXPECT_EQ(choice.value, solvedAfter(board, choice.pit));
            }
            // Master sees every line of a small position to its end, and
            // neither it nor strong settles for less than the best.
            if (player.level() == Level::Master) {
                EXPECT_TRUE(choice.exact);
            }
            if (player.level() >= Level::Strong && choice.exact) {
                EXPECT_EQ(choice.value, best);
            }
        }
    }
}

// The horizon guess: twice the mover's pits that end in its store, less the
// other side's, plus half the mover's largest capture at hand.
TEST(ComputerPlayer, GuessesFromExtraTurnsAndCapturesAtHand) {
    struct Case {
        Side toMove;
        std::vector<std::pair<int, int>> seeds; // pit, seeds
        int expected;
    };
    const Case cases[] = {
        {Side::One, {{7, 1}}, 2},           // pit 7 ends in store 8
        {Side::Two, {{15, 1}}, 2},          // and pit 15 in store 16
        {Side::One, {{1, 2}, {13, 5}}, 3},  // pit 1 ends in empty pit 3, facing 5 seeds
        {Side::One, {{1, 1}, {15, 1}}, -1}, // a capture of 1 against the other's extra turn
        {Side::One, {{1, 18}, {13, 4}}, 0}, // a lap or more is never counted a capture
    };
    for (const Case& c : cases) {
        Board board;
        board.toMove = c.toMove;
        for (const auto& [pit, seeds] : c.seeds)
            board[pit] = static_cast<std::int16_t>(seeds);
        EXPECT_EQ(estimate(board), c.expected) << "case with " << c.seeds.size() << " pits";
    }
}

TEST(ComputerPlayer, HasNoMoveForAnEmptyRow) {
    Board board;
    board[3] = 5;
    board.toMove = Side::Two;
    EXPECT_EQ(ComputerPlayer(Level::Master).choose(board).pit, 0);
}

Board opening() {
    Board board;
    for (int pit = kFirstPit; pit <= kPitCount; ++pit)
        board[pit] = isStore(pit) ? 0 : kSeedsPerPitAtStart;
    return board;
}

// Past its deadline, or cancelled before it starts, a search still finishes
// one sowing deep and so gives a legal move.
TEST(ComputerPlayer, GivesALegalMoveWhenStoppedAtOnce) {
    const std::atomic<bool> cancelled{true};
    ComputerPlayer master(Level::Master);
    const Choice late = master.choose(opening(), Clock::now() - std::chrono::seconds(1), nullptr);
    const Choice stopped =
        master.choose(opening(), Clock::now() + std::chrono::hours(1), &cancelled);
    for (const Choice& choice : {late, stopped}) {
        EXPECT_TRUE(opening().canSow(choice.pit));
        EXPECT_EQ(choice.depth, 1);
        EXPECT_FALSE(choice.exact);
    }
}

// Cancelled from another thread, an hour-long search comes back at once
// with the best move of the depth it last finished.
TEST(ComputerPlayer, HonoursACancelFromAnotherThread) {
    std::atomic<bool> cancel{false};
    ComputerPlayer master(Level::Master);
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel = true;
    });
    const Clock::time_point start = Clock::now();
    const Choice choice = master.choose(opening(), start + std::chrono::hours(1), &cancel);
    canceller.join();
    EXPECT_LT(Clock::now() - start, std::chrono::minutes(1));
    EXPECT_TRUE(opening().canSow(choice.pit));
    EXPECT_GT(choice.depth, 1);
}

} // namespace
} // namespace kalvora::computer
