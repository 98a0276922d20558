// SPDX-License-Identifier: GPL-3.0-or-later
// The pit highlight that follows the pointer, and the game clock.

#include "game_test_support.h"

#include <gtest/gtest.h>

namespace kalvora::testing {
namespace {

std::vector<std::string> highlightLog(int from, int to) {
    return {"backcolor box " + std::to_string(from) + " 808080",
            "forecolor angka " + std::to_string(from) + " FFFFFF",
            "backcolor box " + std::to_string(to) + " FFFFFF",
            "forecolor angka " + std::to_string(to) + " 000000"};
}

TEST(PitHighlight, MovesFromTheLastPitToThePitUnderThePointer) {
    RecordedGame g;
    g.form().new1_Click();
    g.takeLog();
    g.form().angka_MouseMove(5); // pit 1 is reset although it never lit up
    EXPECT_EQ(g.takeLog(), highlightLog(1, 5));
    g.form().angka_MouseMove(5); // the same pit is reset and lit again
    EXPECT_EQ(g.takeLog(), highlightLog(5, 5));
    g.form().angka_MouseMove(12); // the other row takes it too
    EXPECT_EQ(g.takeLog(), highlightLog(5, 12));
    EXPECT_EQ(g.state().hoverIndex, 12);
}

struct Eligibility {
    int turn;
    int pit;
    bool lights;
};

TEST(PitHighlight, KeepsOffTheStoreOfThePlayerNotToMove) {
    const Eligibility cases[] = {
        {1, 16, false}, {1, 8, true}, {1, 12, true}, {1, 1, true},  {2, 8, false},
        {2, 16, true},  {2, 3, true}, {3, 8, false}, {3, 16, true}, {2, 15, true},
    };
    for (const Eligibility& c : cases) {
        SCOPED_TRACE(std::to_string(c.turn) + " over " + std::to_string(c.pit));
        RecordedGame g;
        g.form().new1_Click();
        g.state().turn = static_cast<Player>(c.turn);
        g.form().angka_MouseMove(4);
        g.takeLog();
        g.form().angka_MouseMove(c.pit);
        if (c.lights) {
            EXPECT_EQ(g.takeLog(), highlightLog(4, c.pit));
            EXPECT_EQ(g.state().hoverIndex, c.pit);
        } else {
            EXPECT_TRUE(g.takeLog().empty());
            EXPECT_EQ(g.state().hoverIndex, 4);
        }
    }
}

TEST(PitHighlight, SurvivesMovesAndTheChangeOfTurn) {
    RecordedGame g;
    g.form().new1_Click();
    g.form().angka_Click(3); // player two to move
    g.form().angka_MouseMove(16);
    g.form().angka_Click(10); // back to player one
    g.takeLog();
    g.form().angka_MouseMove(16); // no longer eligible: the highlight stays
    EXPECT_TRUE(g.takeLog().empty());
    g.form().angka_MouseMove(2);
    EXPECT_EQ(g.takeLog(), highlightLog(16, 2));
}

TEST(PitHighlight, DoesNothingWhileTheBoardIsLocked) {
    RecordedGame g;
    for (int pit = 1; pit <= kPitCount; ++pit)
        g.form().angka_MouseMove(pit);
    EXPECT_TRUE(g.takeLog().empty());
    g.form().new1_Click();
    g.form().angka_MouseMove(6);
    g.form().stop1_Click();
    g.takeLog();
    g.form().angka_MouseMove(9);
    EXPECT_TRUE(g.takeLog().empty());
    EXPECT_EQ(g.state().hoverIndex, 6);
}

// Ticks a started game `count` times and returns the last time shown.
std::string timeAfter(RecordedGame& g, long count) {
    for (long t = 0; t < count; ++t)
        g.form().Timer1_Timer();
    const std::vector<std::string> log = g.takeLog();
    return log.empty() ? "" : log.back();
}

TEST(GameClock, RollsOverSecondsMinutesAndHours) {
    const std::pair<long, const char*> readings[] = {
        {1, "00:00:01"},       {9, "00:00:09"},     {10, "00:00:10"},     {59, "00:00:59"},
        {60, "00:01:00"},      {61, "00:01:01"},    {3599, "00:59:59"},   {3600, "01:00:00"},
        {35999, "09:59:59"},   {36000, "10:00:00"}, {359999, "99:59:59"}, {360000, "100:00:00"},
        {363661, "101:01:01"},
    };
    RecordedGame g;
    g.form().new1_Click();
    g.takeLog();
    long ticked = 0;
    for (const auto& [ticks, shown] : readings) {
        EXPECT_EQ(timeAfter(g, ticks - ticked), std::string("caption timelbl \"") + shown + "\"");
        ticked = ticks;
    }
}

TEST(GameClock, EachTickWritesOnlyTheTimeLabel) {
    RecordedGame g;
    g.form().new1_Click();
    g.takeLog();
    g.form().Timer1_Timer();
    EXPECT_EQ(g.takeLog(), std::vector<std::string>{"caption timelbl \"00:00:01\""});
}

TEST(GameClock, ANewGameCountsFromZero) {
    RecordedGame g;
    g.form().new1_Click();
    timeAfter(g, 4000);
    g.form().stop1_Click();
    g.form().new1_Click();
    g.takeLog();
    EXPECT_EQ(timeAfter(g, 1), "caption timelbl \"00:00:01\"");
}

// The hour counter is wide: a game far past 32,767 hours keeps counting.
TEST(GameClock, HoursNeverOverflow) {
    RecordedGame g;
    g.form().new1_Click();
    g.state().clockHours = 32767;
    g.state().clockMinutes = 59;
    g.state().clockSeconds = 59;
    g.takeLog();
    EXPECT_EQ(timeAfter(g, 1), "caption timelbl \"32768:00:00\"");
}

} // namespace
} // namespace kalvora::testing
