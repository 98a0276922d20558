// The move: acceptance, sowing, the store skip, captures, extra turns, the
// passing of the turn and the end test.

#include "game_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace kalvora::testing {
namespace {

const Pits kOpening = {7, 7, 7, 7, 7, 7, 7, 0, 7, 7, 7, 7, 7, 7, 7, 0};

struct PlayedGame {
    const char* rule;
    std::vector<int> clicks;
    Pits pits;
    int turn;
};

// Games from the opening position, the worked examples among them.
const PlayedGame kPlayedGames[] = {
    {"pit 1 ends in the own store: another turn",
     {1},
     {0, 8, 8, 8, 8, 8, 8, 1, 7, 7, 7, 7, 7, 7, 7, 0},
     1},
    {"pit 3 passes the turn", {3}, {7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0}, 2},
    {"a last seed on an empty own pit captures",
     {1, 2, 9, 1},
     {0, 0, 9, 9, 9, 9, 9, 11, 0, 9, 8, 8, 8, 0, 8, 1},
     2},
    {"the last seed skips player two's store",
     {1, 2, 9, 7},
     {2, 0, 9, 9, 9, 9, 0, 3, 1, 10, 9, 9, 9, 9, 9, 1},
     2},
    {"the last seed skips player one's store",
     {2, 9, 7, 15},
     {9, 1, 9, 9, 9, 9, 1, 2, 2, 9, 9, 9, 9, 9, 0, 2},
     1},
};

TEST(SowingMove, PlaysTheWorkedGamesFromTheOpening) {
    for (const PlayedGame& game : kPlayedGames) {
        SCOPED_TRACE(game.rule);
        RecordedGame g;
        g.form().new1_Click();
        for (int pit : game.clicks)
            g.form().angka_Click(pit);
        EXPECT_EQ(g.pits(), game.pits);
        EXPECT_EQ(g.state().turn, game.turn);
        EXPECT_EQ(g.state().storeTotals(1), game.pits[7]);
        EXPECT_EQ(g.state().storeTotals(2), game.pits[15]);
        EXPECT_FALSE(g.state().boardLocked);
    }
}

TEST(SowingMove, ExtraTurnShowsCountsButLeavesTheStatusLine) {
    RecordedGame g;
    g.form().new1_Click();
    g.takeLog();
    g.form().angka_Click(1);
    EXPECT_EQ(g.takeLog(), captionLines({0, 8, 8, 8, 8, 8, 8, 1, 7, 7, 7, 7, 7, 7, 7, 0}));
    EXPECT_EQ(g.state().ambil, 7);
}

TEST(SowingMove, CaptureWritesCountsThenTheTurnText) {
    RecordedGame g;
    g.form().new1_Click();
    g.clicks({1, 2, 9});
    g.takeLog();
    g.form().angka_Click(1);
    std::vector<std::string> expected =
        captionLines({0, 0, 9, 9, 9, 9, 9, 11, 0, 9, 8, 8, 8, 0, 8, 1});
    expected.push_back("caption statuslbl \"Player two Turn\"");
    EXPECT_EQ(g.takeLog(), expected);
    EXPECT_EQ(g.state().ambil, 1);
}

TEST(SowingMove, EveryOpeningPitButTheFirstPassesTheTurnIntoTheTopRow) {
    for (int pit = 2; pit <= 7; ++pit) {
        SCOPED_TRACE(pit);
        RecordedGame g;
        g.form().new1_Click();
        g.form().angka_Click(pit);
        const int lastPit = pit + 7;
        EXPECT_EQ(g.pits()[static_cast<std::size_t>(lastPit - 1)], 8);
        EXPECT_EQ(g.state().turn, PlayerTwo);
        EXPECT_EQ(g.state().storeTotals(1), 1);
    }
}

struct IgnoredClick {
    const char* rule;
    int turn;
    int pit;
};

const IgnoredClick kIgnoredClicks[] = {
    {"player one's store", 1, 8},
    {"player two's store", 1, 16},
    {"player one's store on two's turn", 2, 8},
    {"player two's store on its own turn", 2, 16},
    {"the other row, player one to move", 1, 9},
    {"the other row's last pit, player one to move", 1, 15},
    {"the other row, player two to move", 2, 1},
    {"the other row's last pit, player two to move", 2, 7},
    {"the computer plays player two's row", 3, 4},
    {"an empty own pit, player one", 1, 2},
    {"an empty own pit, player two", 2, 10},
};

TEST(SowingMove, IgnoresClicksThatAreNotTheMoversOwnFullPits) {
    const Pits position = {3, 0, 3, 3, 3, 3, 3, 5, 3, 0, 3, 3, 3, 3, 3, 5};
    for (const IgnoredClick& click : kIgnoredClicks) {
        SCOPED_TRACE(click.rule);
        RecordedGame g;
        g.setup(click.turn, position);
        g.takeLog();
        g.form().angka_Click(click.pit);
        EXPECT_TRUE(g.takeLog().empty());
        EXPECT_EQ(g.pits(), position);
        EXPECT_EQ(g.state().turn, click.turn);
        EXPECT_EQ(g.state().ambil, 0);
    }
}

TEST(SowingMove, LockedBoardIgnoresEveryClick) {
    RecordedGame fresh; // before the first start
    for (int pit = 1; pit <= kPitCount; ++pit)
        fresh.form().angka_Click(pit);
    EXPECT_TRUE(fresh.takeLog().empty());
    EXPECT_EQ(fresh.pits(), Pits{});

    RecordedGame stopped;
    stopped.form().new1_Click();
    stopped.form().stop1_Click();
    stopped.takeLog();
    stopped.form().angka_Click(3);
    EXPECT_TRUE(stopped.takeLog().empty());
    EXPECT_EQ(stopped.pits(), kOpening);
}

struct Position {
    const char* rule;
    int turn;
    Pits before;
    int pit;
    Pits after;
    int turnAfter;
};

const Position kPositions[] = {
    {"a capture of an empty opposite pit gains just the one seed",
     1,
     {0, 0, 1, 0, 0, 0, 4, 10, 4, 4, 4, 0, 4, 4, 4, 10},
     3,
     {0, 0, 0, 0, 0, 0, 4, 11, 4, 4, 4, 0, 4, 4, 4, 10},
     2},
    {"an empty pit of the other row captures nothing",
     1,
     {0, 0, 0, 0, 0, 0, 2, 0, 0, 5, 0, 0, 0, 0, 0, 0},
     7,
     {0, 0, 0, 0, 0, 0, 0, 1, 1, 5, 0, 0, 0, 0, 0, 0},
     2},
    {"player one skips the store into an empty pit 1 and captures pit 15",
     1,
     {0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 2, 0},
     7,
     {0, 0, 0, 0, 0, 0, 0, 5, 1, 1, 1, 1, 1, 1, 0, 0},
     2},
    {"player two skips the store into an empty pit 9 and captures pit 7",
     2,
     {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0},
     15,
     {3, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
     1},
    {"a sixteenth seed returns to the start pit and captures",
     1,
     {0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0},
     3,
     {1, 1, 0, 1, 1, 1, 1, 7, 1, 1, 1, 1, 0, 1, 1, 1},
     2},
    {"a seventeenth seed passes the start pit and goes on",
     1,
     {0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     3,
     {1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
     2},
    {"fifteen seeds from pit 1 come back round and capture pit 15",
     1,
     {15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0},
     1,
     {0, 1, 1, 1, 1, 1, 1, 6, 1, 1, 1, 1, 1, 1, 0, 0},
     2},
    {"fifteen seeds from pit 9 come back round and capture pit 7",
     2,
     {0, 0, 0, 0, 0, 0, 2, 0, 15, 0, 0, 0, 0, 0, 0, 0},
     9,
     {1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 5},
     1},
    {"the computer sows and captures from player two's row",
     3,
     {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0},
     13,
     {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2},
     1},
    {"emptying the other row does not end the game",
     1,
     {0, 0, 0, 0, 0, 2, 1, 40, 0, 0, 0, 0, 0, 0, 0, 55},
     7,
     {0, 0, 0, 0, 0, 2, 0, 41, 0, 0, 0, 0, 0, 0, 0, 55},
     1},
};

TEST(SowingMove, PlaysFromTestPositions) {
    for (const Position& p : kPositions) {
        SCOPED_TRACE(p.rule);
        RecordedGame g;
        g.setup(p.turn, p.before, p.turn == 3 ? 5 : 1);
        g.form().angka_Click(p.pit);
        EXPECT_EQ(g.pits(), p.after);
        EXPECT_EQ(g.state().turn, p.turnAfter);
        EXPECT_FALSE(g.state().boardLocked);
    }
}

struct TurnChange {
    int mode;
    int turnBefore;
    int turnAfter;
    const char* status;
};

TEST(SowingMove, PassesTheTurnByMode) {
    const TurnChange changes[] = {
        {1, 1, 2, "Player two Turn"}, {1, 2, 1, "Player one Turn"},  {1, 3, 1, "Player one Turn"},
        {0, 1, 3, "Computer Turn"},   {-7, 2, 1, "Player one Turn"}, {2, 3, 1, "Player one Turn"},
    };
    for (const TurnChange& c : changes) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.turnBefore));
        RecordedGame g;
        g.setup(c.turnBefore, {2, 2, 2, 2, 2, 2, 2, 0, 2, 2, 2, 2, 2, 2, 2, 0}, c.mode);
        g.takeLog();
        g.form().angka_Click(c.turnBefore == 1 ? 2 : 10); // two seeds, ends in a small pit
        EXPECT_EQ(g.state().turn, c.turnAfter);
        EXPECT_EQ(g.takeLog().back(), std::string("caption statuslbl \"") + c.status + "\"");
    }
}

TEST(SowingMove, EndsTheGameWhenThePlayerToMoveHasAnEmptyRow) {
    // The capture passes the turn to player two, whose row is empty.
    RecordedGame g;
    g.setup(1, {0, 0, 0, 0, 0, 1, 0, 50, 0, 0, 0, 0, 0, 0, 0, 47});
    g.takeLog();
    g.form().angka_Click(6);
    std::vector<std::string> expected =
        captionLines({0, 0, 0, 0, 0, 0, 0, 51, 0, 0, 0, 0, 0, 0, 0, 47});
    expected.insert(expected.end(), {"caption statuslbl \"Player two Turn\"", "timer off",
                                     "caption statuslbl \"The Winner is...Player one\""});
    EXPECT_EQ(g.takeLog(), expected);
    EXPECT_TRUE(g.state().boardLocked);

    // The mover's own last seed in the store leaves its own row empty.
    RecordedGame h;
    h.setup(1, {0, 0, 0, 0, 0, 0, 1, 20, 5, 5, 5, 5, 5, 5, 5, 42});
    h.form().angka_Click(7);
    EXPECT_TRUE(h.state().boardLocked);
    EXPECT_EQ(h.state().turn, PlayerOne);
    EXPECT_EQ(h.takeLog().back(), "caption statuslbl \"The Winner is...Player two\"");
}

TEST(SowingMove, APitLeavingTheSixteenBitRangeIsAnOverflowError) {
    RecordedGame placed;
    placed.setup(1, {0, 0, 0, 0, 0, 0, 2, 32767, 0, 0, 0, 0, 0, 0, 0, 0});
    try {
        placed.form().angka_Click(7);
        FAIL() << "no run-time error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), 6);
        EXPECT_STREQ(e.what(), "Run-time error '6': Overflow");
    }

    RecordedGame captured; // the store overflows while taking the opposite pit
    captured.setup(1, {1, 0, 0, 0, 0, 0, 0, 32000, 0, 0, 0, 0, 0, 1000, 0, 0});
    EXPECT_THROW(captured.form().angka_Click(1), RuntimeError);
}

// Random games played to their end keep every seed and the store copies.
TEST(SowingMove, RandomGamesKeepEverySeedAndEnd) {
    std::mt19937 random(20261208);
    for (int game = 0; game < 300; ++game) {
        RecordedGame g;
        g.form().new1_Click();
        int moves = 0;
        while (!g.state().boardLocked && moves < 5000) {
            const int pit = std::uniform_int_distribution<int>(1, kPitCount)(random);
            const Pits before = g.pits();
            g.form().angka_Click(pit);
            if (g.pits() != before) {
                ++moves;
                ASSERT_EQ(g.state().totalSeeds(), 98) << "game " << game;
                ASSERT_EQ(g.state().storeTotals(1), g.state().pits(8));
                ASSERT_EQ(g.state().storeTotals(2), g.state().pits(16));
            }
            g.takeLog();
        }
        ASSERT_TRUE(g.state().boardLocked) << "game " << game << " did not end";
        int rowSeeds = 0;
        for (int p = firstOwnPit(g.state().turn); p <= lastOwnPit(g.state().turn); ++p)
            rowSeeds += g.state().pits(p);
        EXPECT_EQ(rowSeeds, 0) << "game " << game;
    }
}

} // namespace
} // namespace kalvora::testing
