// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the window, starting a game, and the two ways a game ends.

#include "game_test_support.h"

#include <gtest/gtest.h>

namespace kalvora::testing {
namespace {

TEST(FormLoad, LeavesTheBoardLockedWithTheFourNames) {
    RecordedGame g;
    EXPECT_TRUE(g.takeLog().empty());
    EXPECT_TRUE(g.state().boardLocked);
    EXPECT_EQ(g.state().mode, 1);
    EXPECT_EQ(g.state().playerNames(1), "Player one");
    EXPECT_EQ(g.state().playerNames(2), "Player two");
    EXPECT_EQ(g.state().playerNames(3), "Computer");
    EXPECT_EQ(g.state().playerNames(4), "DRAW !!");
    EXPECT_EQ(g.pits(), Pits{});
    EXPECT_FALSE(g.timerEnabled());
}

// Colours first, then each count with its square written grey again, then
// the status line, and the timer last of all.
std::vector<std::string> startLog() {
    std::vector<std::string> log;
    for (int i = 1; i <= 16; ++i) {
        log.push_back("backcolor box " + std::to_string(i) + " 808080");
        log.push_back("forecolor angka " + std::to_string(i) + " FFFFFF");
    }
    for (int i = 1; i <= 16; ++i) {
        log.push_back("caption angka " + std::to_string(i) +
                      (i == 8 || i == 16 ? " \"0\"" : " \"7\""));
        log.push_back("backcolor box " + std::to_string(i) + " 808080");
    }
    log.push_back(statusLine("Player one Turn"));
    log.push_back("timer on");
    return log;
}

void expectOpening(RecordedGame& g) {
    EXPECT_EQ(g.takeLog(), startLog());
    EXPECT_EQ(g.pits(), kOpening);
    EXPECT_EQ(g.state().storeTotals(1), 0);
    EXPECT_EQ(g.state().storeTotals(2), 0);
    EXPECT_EQ(g.state().ambil, 0);
    EXPECT_EQ(g.state().turn, PlayerOne);
    EXPECT_EQ(g.state().hoverIndex, 1);
    EXPECT_EQ(g.state().clockHours, 0);
    EXPECT_EQ(g.state().clockMinutes, 0);
    EXPECT_EQ(g.state().clockSeconds, 0);
    EXPECT_FALSE(g.state().boardLocked);
    EXPECT_TRUE(g.timerEnabled());
    EXPECT_EQ(g.state().totalSeeds(), 98);
}

TEST(StartGame, SetsUpTheOpeningInItsFixedOrder) {
    RecordedGame g;
    g.form().new1_Click();
    expectOpening(g);
}

TEST(StartGame, DiscardsAGameInProgressOrEnded) {
    RecordedGame running;
    running.form().new1_Click();
    running.clicks({3, 10, 1});
    running.form().angka_MouseMove(5);
    for (int t = 0; t < 75; ++t)
        running.form().Timer1_Timer();
    running.takeLog();
    running.form().new1_Click();
    expectOpening(running);

    RecordedGame ended;
    ended.setup(1, {0, 0, 0, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0, 9, 38});
    ended.form().angka_Click(7);
    ASSERT_TRUE(ended.state().boardLocked);
    ended.takeLog();
    ended.form().new1_Click();
    expectOpening(ended);
}

TEST(StartGame, NeverChangesTheMode) {
    RecordedGame g;
    g.setup(2, Pits{}, -3);
    g.form().new1_Click();
    EXPECT_EQ(g.state().mode, -3);
}

struct Outcome {
    int store1;
    int store2;
    int mode;
    const char* status;
};

// The ending move drops player one's last seed into its own store, so the
// stores end at the given totals with player one's row empty.
TEST(FinishGame, ComparesOnlyTheStores) {
    const Outcome outcomes[] = {
        {49, 49, 1, "The Result is...DRAW !!"},
        {50, 48, 1, "The Winner is...Player one"},
        {48, 50, 1, "The Winner is...Player two"},
        {48, 50, 2, "The Winner is...Computer"},
        {48, 50, 0, "The Winner is...Computer"},
        {48, 50, -1, "The Winner is...Computer"},
        {50, 48, 9, "The Winner is...Player one"},
        {30, 30, 4, "The Result is...DRAW !!"},    // 38 seeds still in player two's row
        {31, 30, 1, "The Winner is...Player one"}, // the row's seeds count for nobody
    };
    for (const Outcome& o : outcomes) {
        SCOPED_TRACE(o.status);
        RecordedGame g;
        const int leftInRow = 98 - o.store1 - o.store2;
        g.setup(1, {0, 0, 0, 0, 0, 0, 1, o.store1 - 1, leftInRow, 0, 0, 0, 0, 0, 0, o.store2},
                o.mode);
        g.takeLog();
        g.form().angka_Click(7);
        const std::vector<std::string> log = g.takeLog();
        ASSERT_EQ(log.size(), 18u);
        EXPECT_EQ(log[16], "timer off");
        EXPECT_EQ(log[17], statusLine(o.status));
        EXPECT_TRUE(g.state().boardLocked);
        EXPECT_EQ(g.state().turn, PlayerOne);
    }
}

// Take back returns to the position before a person's move: an extra turn is
// a move of its own, the computer's replies go with the move they answer.
TEST(TakeBack, ReturnsToTheMoveBeforeAndNoFurther) {
    struct Row {
        const char* rule;
        int mode;
        std::vector<int> clicks;
        int takeBacks;
        Pits pits;
        Player turn;
    };
    const Row rows[] = {
        {"a passed turn", 1, {3}, 1, kOpening, PlayerOne},
        {"player two's move alone", 1, {3, 12}, 1, kPlayedGames[1].pits, PlayerTwo},
        {"an extra turn", 1, {1, 3}, 1, kPlayedGames[0].pits, PlayerOne},
        {"to the start and no further", 1, {1, 2, 9, 1}, 9, kOpening, PlayerOne},
        {"with the computer's reply", 2, {3, 12}, 1, kOpening, PlayerOne},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        RecordedGame g;
        g.form().chooseOpponent(opponentOf(static_cast<std::int16_t>(row.mode)));
        g.form().new1_Click();
        g.clicks(row.clicks);
        g.state().clockSeconds = 42;
        g.takeLog();
        for (int i = 0; i < row.takeBacks; ++i)
            g.form().takeBack_Click();
        EXPECT_EQ(g.pits(), row.pits);
        EXPECT_EQ(g.state().turn, row.turn);
        EXPECT_EQ(g.state().storeTotals(1), row.pits[7]);
        EXPECT_EQ(g.state().clockSeconds, 42);
        EXPECT_EQ(g.form().canTakeBack(), row.pits != kOpening);
    }
}

// Shown as after a move; an ended game opens again with its clock going.
TEST(TakeBack, ReopensAnEndedGame) {
    RecordedGame g;
    g.form().new1_Click();
    g.setup(1, {0, 0, 0, 0, 0, 0, 1, 49, 1, 0, 0, 0, 0, 0, 0, 47});
    g.form().angka_Click(7);
    ASSERT_TRUE(g.state().boardLocked);
    g.takeLog();
    g.form().takeBack_Click();
    std::vector<std::string> expected = captionLines(board("0 0 0 0 0 0 1|49|1 0 0 0 0 0 0|47"));
    expected.push_back(statusLine("Player one Turn"));
    expected.push_back("timer on");
    EXPECT_EQ(g.takeLog(), expected);
    EXPECT_FALSE(g.state().boardLocked);
}

TEST(TakeBack, NothingAfterAStopOrANewStart) {
    for (auto clear : {&Form1Procedures::stop1_Click, &Form1Procedures::new1_Click}) {
        RecordedGame g;
        g.form().new1_Click();
        g.clicks({3});
        (g.form().*clear)();
        EXPECT_FALSE(g.form().canTakeBack());
    }
}

TEST(FinishGame, LeavesTheFinalBoardAndClockOnView) {
    RecordedGame g;
    g.setup(1, {0, 0, 0, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0, 9, 38});
    g.state().clockMinutes = 12;
    g.form().angka_MouseMove(3);
    g.form().angka_Click(7);
    g.takeLog();
    for (int pit = 1; pit <= kPitCount; ++pit) {
        g.form().angka_Click(pit);
        g.form().angka_MouseMove(pit);
    }
    EXPECT_TRUE(g.takeLog().empty());
    EXPECT_EQ(g.state().hoverIndex, 3);
    EXPECT_EQ(g.state().clockMinutes, 12);
    EXPECT_EQ(g.state().storeTotals(1), 51);
}

TEST(Stop1, LocksTheBoardAndStopsTheClockWithoutAResult) {
    RecordedGame g;
    g.form().new1_Click();
    g.clicks({3});
    g.form().Timer1_Timer();
    g.takeLog();
    g.form().stop1_Click();
    EXPECT_EQ(g.takeLog(), std::vector<std::string>{"timer off"});
    EXPECT_TRUE(g.state().boardLocked);
    EXPECT_EQ(g.state().turn, PlayerTwo);
    EXPECT_EQ(g.state().clockSeconds, 1);

    g.form().angka_Click(10); // player two's move would be legal in a running game
    g.form().angka_MouseMove(10);
    EXPECT_TRUE(g.takeLog().empty());
}

TEST(Stop1, BeforeAnyGameOnlySwitchesTheStoppedTimerOff) {
    RecordedGame g;
    g.form().stop1_Click();
    EXPECT_EQ(g.takeLog(), std::vector<std::string>{"timer off"});
    EXPECT_TRUE(g.state().boardLocked);
    EXPECT_EQ(g.pits(), Pits{});
}

TEST(Option1, ShowsTheNotAvailableMessageAndChangesNothing) {
    RecordedGame g;
    g.form().new1_Click();
    g.clicks({3});
    g.takeLog();
    const Pits before = g.pits();
    g.form().option1_Click();
    EXPECT_EQ(g.takeLog(),
              std::vector<std::string>{"msgbox \"Sorry, masih dalam proyek !!\" 16 \"Sorry...\""});
    EXPECT_EQ(g.pits(), before);
    EXPECT_EQ(g.state().turn, PlayerTwo);
    EXPECT_FALSE(g.state().boardLocked);
}

} // namespace
} // namespace kalvora::testing
