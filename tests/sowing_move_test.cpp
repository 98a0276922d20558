// SPDX-License-Identifier: GPL-3.0-or-later
// The move: acceptance, sowing, the store skip, captures, extra turns, the
// passing of the turn and the end test.

#include "game_test_support.h"
#include "spoken_news.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kalvora::testing {
namespace {

// The last move of each game shows every count, and the status line only
// when the turn passed.
TEST(SowingMove, PlaysTheWorkedGamesFromTheOpening) {
    for (const PlayedGame& game : kPlayedGames) {
        SCOPED_TRACE(game.rule);
        RecordedGame g;
        g.form().new1_Click();
        g.clicks({game.clicks.begin(), game.clicks.end() - 1});
        const Player before = g.state().turn;
        g.takeLog();
        g.form().angka_Click(game.clicks.back());
        std::vector<std::string> shown = captionLines(game.pits);
        if (game.turn != before)
            shown.push_back(statusLine(g.state().playerNames(game.turn) + " Turn"));
        EXPECT_EQ(g.takeLog(), shown);
        EXPECT_EQ(g.pits(), game.pits);
        EXPECT_EQ(g.state().turn, game.turn);
        EXPECT_EQ(g.state().storeTotals(1), game.pits[7]);
        EXPECT_EQ(g.state().storeTotals(2), game.pits[15]);
        EXPECT_FALSE(g.state().boardLocked);
    }
}

TEST(SowingMove, EveryOpeningPitButTheFirstPassesTheTurnIntoTheTopRow) {
    for (int pit = 2; pit <= 7; ++pit) {
        SCOPED_TRACE(pit);
        RecordedGame g;
        g.form().new1_Click();
        g.form().angka_Click(pit);
        const int lastPit = pit + 7;
        EXPECT_EQ(g.pits()[slot(lastPit)], 8);
        EXPECT_EQ(g.state().turn, PlayerTwo);
        EXPECT_EQ(g.state().storeTotals(1), 1);
    }
}

TEST(SowingMove, IgnoresClicksThatAreNotTheMoversOwnFullPits) {
    const std::tuple<const char*, int, int> clicks[] = {
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
    const Pits position = board("3 0 3 3 3 3 3|5|3 0 3 3 3 3 3|5");
    for (const auto& [rule, turn, pit] : clicks) {
        SCOPED_TRACE(rule);
        RecordedGame g;
        g.setup(turn, position);
        g.form().angka_Click(pit);
        EXPECT_TRUE(g.takeLog().empty());
        EXPECT_EQ(g.pits(), position);
        EXPECT_EQ(g.state().turn, turn);
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

// A position as the rows and stores lie: "pits 1..7|store 8|pits 9..15|store 16".
struct Position {
    int turn;
    const char* before;
    int pit;
    const char* after;
    int turnAfter;
};

const Position kPositions[] = {
    // a capture of an empty opposite pit gains just the one seed
    {1, "0 0 1 0 0 0 4|10|4 4 4 0 4 4 4|10", 3, "0 0 0 0 0 0 4|11|4 4 4 0 4 4 4|10", 2},
    // an empty pit of the other row captures nothing
    {1, "0 0 0 0 0 0 2|0|0 5 0 0 0 0 0|0", 7, "0 0 0 0 0 0 0|1|1 5 0 0 0 0 0|0", 2},
    // player one skips the store into an empty pit 1 and captures pit 15
    {1, "0 0 0 0 0 0 9|0|0 0 0 0 0 0 2|0", 7, "0 0 0 0 0 0 0|5|1 1 1 1 1 1 0|0", 2},
    // player two skips the store into an empty pit 9 and captures pit 7
    {2, "2 0 0 0 0 0 0|0|0 0 0 0 0 0 9|0", 15, "3 1 1 1 1 1 0|0|0 0 0 0 0 0 0|3", 1},
    // a seventeenth seed passes the start pit and goes on
    {1, "0 0 17 0 0 0 0|0|0 0 0 0 0 0 0|0", 3, "1 1 1 2 1 1 1|1|1 1 1 1 1 1 1|1", 2},
    // fifteen seeds from pit 1 come back round and capture pit 15
    {1, "15 0 0 0 0 0 0|0|0 0 0 0 0 0 3|0", 1, "0 1 1 1 1 1 1|6|1 1 1 1 1 1 0|0", 2},
    // fifteen seeds from pit 9 come back round and capture pit 7
    {2, "0 0 0 0 0 0 2|0|15 0 0 0 0 0 0|0", 9, "1 1 1 1 1 1 0|0|0 1 1 1 1 1 1|5", 1},
    // player two's last seed in its own store: another turn
    {2, "1 0 0 0 0 0 0|0|0 0 0 0 0 2 1|0", 14, "1 0 0 0 0 0 0|0|0 0 0 0 0 0 2|1", 2},
    // the computer sows and captures from player two's row
    {3, "1 0 0 0 0 1 0|0|0 0 0 0 2 0 0|0", 13, "0 0 0 0 0 1 0|0|0 0 0 0 0 1 0|2", 1},
    // emptying the other row does not end the game
    {1, "0 0 0 0 0 2 1|40|0 0 0 0 0 0 0|55", 7, "0 0 0 0 0 2 0|41|0 0 0 0 0 0 0|55", 1},
    // a negative count, which only a test position holds, is shown with its sign
    {1, "0 0 0 0 0 0 2|0|0 0 0 -3 0 0 0|0", 7, "0 0 0 0 0 0 0|1|1 0 0 -3 0 0 0|0", 2},
};

TEST(SowingMove, PlaysFromTestPositions) {
    for (const Position& p : kPositions) {
        SCOPED_TRACE(std::string(p.before) + ", pit " + std::to_string(p.pit));
        RecordedGame g;
        g.setup(p.turn, board(p.before), p.turn == 3 ? 5 : 1);
        g.form().angka_Click(p.pit);
        std::vector<std::string> log = g.takeLog();
        log.resize(kPitCount); // the counts shown; the status line may follow
        EXPECT_EQ(log, captionLines(board(p.after)));
        EXPECT_EQ(g.pits(), board(p.after));
        EXPECT_EQ(g.state().turn, p.turnAfter);
        EXPECT_FALSE(g.state().boardLocked);
    }
}

// Sixteen seeds go once round the ring and the last lands in the emptied
// start pit, capturing whatever faces it (three seeds and one of the lap).
TEST(SowingMove, CapturesTheOppositeOfEverySmallPit) {
    const std::pair<int, int> facing[] = {{1, 15}, {2, 14}, {3, 13}, {4, 12}, {5, 11},
                                          {6, 10}, {7, 9},  {9, 7},  {10, 6}, {11, 5},
                                          {12, 4}, {13, 3}, {14, 2}, {15, 1}};
    for (const auto& [pit, opposite] : facing) {
        SCOPED_TRACE(pit);
        Pits before{};
        before.at(slot(pit)) = 16;
        before.at(slot(opposite)) = 3;
        const bool playerOne = pit < kPlayerOneStore;
        RecordedGame g;
        g.setup(playerOne ? 1 : 2, before);
        g.form().angka_Click(pit);
        EXPECT_EQ(g.state().pits(pit), 0);
        EXPECT_EQ(g.state().pits(opposite), 0);
        EXPECT_EQ(g.state().storeTotals(playerOne ? 1 : 2), 1 + 1 + 3 + 1);
        EXPECT_EQ(g.state().storeTotals(playerOne ? 2 : 1), 1);
    }
}

// Player one's move passes the turn to whoever the mode seats opposite; every
// other turn passes back to player one.
TEST(SowingMove, PassesTheTurnByMode) {
    const std::tuple<int, int, const char*> changes[] = {
        {1, 1, "Player two Turn"},  {1, 2, "Player one Turn"}, {1, 3, "Player one Turn"},
        {0, 1, "Computer Turn"},    {5, 1, "Computer Turn"},   {-7, 1, "Computer Turn"},
        {-7, 2, "Player one Turn"}, {2, 3, "Player one Turn"},
    };
    for (const auto& [mode, turn, status] : changes) {
        SCOPED_TRACE(std::to_string(mode) + "/" + std::to_string(turn));
        RecordedGame g;
        g.setup(turn, board("2 2 2 2 2 2 2|0|2 2 2 2 2 2 2|0"), mode);
        g.form().angka_Click(turn == 1 ? 2 : 10); // two seeds, ends in a small pit
        EXPECT_EQ(g.takeLog().back(), statusLine(status));
    }
}

// The computer takes player two's seat: its label, its turn, no click of a
// person on its turn, and its moves sown as a click on its pit.
TEST(ComputerSeat, PlaysPlayerTwosRowThroughTheClickProcedure) {
    RecordedGame g;
    g.form().chooseOpponent(Opponent::Computer);
    EXPECT_EQ(g.takeLog(), std::vector<std::string>{"caption playerlbl 2 \"Computer\""});
    g.form().new1_Click();
    g.form().personClick(3);
    EXPECT_EQ(g.takeLog().back(), statusLine("Computer Turn"));
    ASSERT_TRUE(g.form().computerToMove());
    EXPECT_FALSE(g.form().hintAvailable());
    g.form().personClick(12);
    g.form().computerShows(3); // not the computer's pit
    EXPECT_TRUE(g.takeLog().empty());

    g.form().computerShows(12);
    EXPECT_EQ(g.takeLog(),
              (std::vector<std::string>{"backcolor box 1 808080", "forecolor angka 1 FFFFFF",
                                        "backcolor box 12 FFFFFF", "forecolor angka 12 000000"}));
    g.form().computerSows(12);
    RecordedGame twoPlayers;
    twoPlayers.form().new1_Click();
    twoPlayers.clicks({3});
    twoPlayers.takeLog();
    twoPlayers.clicks({12});
    EXPECT_EQ(g.takeLog(), twoPlayers.takeLog());
    EXPECT_EQ(g.state().turn, PlayerOne);

    g.form().chooseOpponent(Opponent::TwoPlayers);
    EXPECT_EQ(g.takeLog(), std::vector<std::string>{"caption playerlbl 2 \"Player2\""});
}

// The hint lights a pit the player to move may sow, and nothing else.
TEST(ComputerSeat, HintOnlyLightsAPitOfThePlayerToMove) {
    RecordedGame g;
    EXPECT_FALSE(g.form().showHint(3)); // no game yet
    g.form().new1_Click();
    g.takeLog();
    EXPECT_FALSE(g.form().showHint(12) || g.form().showHint(8));
    EXPECT_TRUE(g.form().showHint(3));
    EXPECT_EQ(g.takeLog().size(), 4u);
    EXPECT_EQ(g.pits(), kOpening);
    Sowing captured;
    captured.captured = true;
    EXPECT_EQ(computerMoveText(12, 1, captured),
              "Computer sows pit 4 of its row, 1 seed, and captures.");
}

TEST(SowingMove, EndsTheGameWhenThePlayerToMoveHasAnEmptyRow) {
    // The capture passes the turn to player two, whose row is empty.
    RecordedGame g;
    g.setup(1, board("0 0 0 0 0 1 0|50|0 0 0 0 0 0 0|47"));
    g.form().angka_Click(6);
    std::vector<std::string> expected = captionLines(board("0 0 0 0 0 0 0|51|0 0 0 0 0 0 0|47"));
    expected.insert(expected.end(), {statusLine("Player two Turn"), "timer off",
                                     statusLine("The Winner is...Player one")});
    EXPECT_EQ(g.takeLog(), expected);
    EXPECT_TRUE(g.state().boardLocked);

    // The mover's own last seed in the store leaves its own row empty.
    RecordedGame h;
    h.setup(1, board("0 0 0 0 0 0 1|20|5 5 5 5 5 5 5|42"));
    h.form().angka_Click(7);
    EXPECT_TRUE(h.state().boardLocked);
    EXPECT_EQ(h.state().turn, PlayerOne);
    EXPECT_EQ(h.takeLog().back(), statusLine("The Winner is...Player two"));
}

// Counts are 16-bit: a store may reach 32,767 and show it; one seed more is
// Overflow, sown or captured.
TEST(SowingMove, ACountPast32767IsAnOverflowError) {
    const std::tuple<int, const char*, bool> moves[] = {
        {7, "0 0 0 0 0 0 2|32766|0 0 0 0 0 0 0|0", false},
        {7, "0 0 0 0 0 0 2|32767|0 0 0 0 0 0 0|0", true},
        {1, "1 0 0 0 0 0 0|31766|0 1 0 0 0 1000 0|0", false},
        {1, "1 0 0 0 0 0 0|31767|0 1 0 0 0 1000 0|0", true},
    };
    for (const auto& [pit, before, overflows] : moves) {
        SCOPED_TRACE(before);
        RecordedGame g;
        g.setup(1, board(before));
        int error = 0;
        try {
            g.form().angka_Click(pit);
        } catch (const RuntimeError& e) {
            error = e.code();
        }
        EXPECT_EQ(error, overflows ? overflowError().code() : 0);
        if (!overflows) {
            EXPECT_EQ(g.takeLog().at(7), "caption angka 8 \"32767\"");
        }
    }
}

} // namespace
} // namespace kalvora::testing
