// SPDX-License-Identifier: GPL-3.0-or-later
// The replay driver: its script language, its output, and its answers to
// bad input and to run-time errors.

#include "replay_driver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kalvora {
namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::string err;
};

ReplayRun replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runReplay(in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ReplayDriver, PrintsStateWithEveryField) {
    const ReplayRun run = replay("state\nnew\nclick 1\nclick 2\nclick 9\nclick 1\ntick\nstate\n");
    EXPECT_EQ(run.status, ReplayOk);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "state pits=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 turn=0 mode=1 locked=1 hover=0 "
              "stores=0,0 ambil=0 clock=0:0:0");
    EXPECT_NE(run.out.find("caption timelbl \"00:00:01\"\nstate "
                           "pits=0,0,9,9,9,9,9,11,0,9,8,8,8,0,8,1 turn=2 mode=1 locked=0 "
                           "hover=1 stores=11,1 ambil=1 clock=0:0:1\n"),
              std::string::npos);
}

TEST(ReplayDriver, SkipsBlankAndCommentLines) {
    EXPECT_EQ(replay("\n# a comment\n   \n\t# indented comment\noption\n").out,
              "msgbox \"Sorry, masih dalam proyek !!\" 16 \"Sorry...\"\n");
}

TEST(ReplayDriver, DeliversTicksOnlyWhileTheTimerRuns) {
    EXPECT_EQ(replay("tick\ntick\n").out, "");
    EXPECT_EQ(replay("new\nstop\ntick\n").out.find("timelbl"), std::string::npos);
    const ReplayRun run = replay("new\ntick\ntick\nstop\ntick\n");
    EXPECT_NE(run.out.find("\"00:00:02\"\ntimer off\n"), std::string::npos);
    EXPECT_EQ(run.out.find("00:00:03"), std::string::npos);
}

TEST(ReplayDriver, SetupPlacesAPositionSilently) {
    const ReplayRun run = replay("setup +2 -5 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 32767\nstate\n");
    EXPECT_EQ(run.status, ReplayOk);
    EXPECT_EQ(run.out, "state pits=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,32767 turn=2 mode=-5 "
                       "locked=0 hover=1 stores=8,32767 ambil=0 clock=0:0:0\n");
    // A highlight already set is kept.
    EXPECT_NE(replay("new\nmove 6\nsetup 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\nstate\n")
                  .out.find("hover=6"),
              std::string::npos);
}

// The computer's two events: a hint changes nothing; the computer's move is
// the click on the pit its hint names, operation for operation.
TEST(ReplayDriver, AnswersHintsAndMovesForTheComputer) {
    const std::string position = "setup 3 2 1 2 0 0 0 1 1 40 2 0 0 0 1 0 1 30\n";
    const std::string hint = replay(position + "hint master\n").out;
    ASSERT_EQ(hint.substr(0, 9), "hint pit=");
    EXPECT_EQ(hint.substr(hint.find(' ', 6)), " value=-10 exact=1\n");
    const std::string pit = hint.substr(9, hint.find(' ', 6) - 9);
    EXPECT_EQ(replay(position + "hint strong\nhint beginner\nstate\n").out.substr(0, hint.size()),
              hint);
    EXPECT_EQ(replay(position + "hint casual\nstate\n").out,
              replay(position + "hint casual\n").out + replay(position + "state\n").out);
    EXPECT_EQ(replay(position + "computer master\n").out,
              replay(position + "click " + pit + "\n").out);
    // Only the computer's turn is the computer's to play; an empty row has no hint.
    EXPECT_EQ(replay("new\ncomputer master\nsetup 2 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
                     "computer master\nhint master\n")
                  .out,
              replay("new\n").out + "hint none\n");
}

struct BadScript {
    const char* script;
    const char* error;
};

TEST(ReplayDriver, RejectsBadInputNamingTheLine) {
    const BadScript bad[] = {
        {"new\njump\n", "line 2: unknown event 'jump'"},
        {"click\n", "line 1: 'click' takes 1 argument, got 0"},
        {"click 1 2\n", "line 1: 'click' takes 1 argument, got 2"},
        {"new 1\n", "line 1: 'new' takes 0 arguments, got 1"},
        {"move x\n", "line 1: 'x' is not a whole number"},
        {"click 1.5\n", "line 1: '1.5' is not a whole number"},
        {"click -\n", "line 1: '-' is not a whole number"},
        {"click +-3\n", "line 1: '+-3' is not a whole number"},
        {"click 0\n", "line 1: pit index 0 is outside 1..16"},
        {"\n\nmove 17\n", "line 3: pit index 17 is outside 1..16"},
        {"click 99999999999999999999999\n",
         "line 1: pit index 99999999999999999999999 is outside 1..16"},
        {"setup 4 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n", "line 1: turn 4 is outside 1..3"},
        {"setup 1 32768 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
         "line 1: mode 32768 is outside -32768..32767"},
        {"setup 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1\n",
         "line 1: count of pit 16 -1 is outside 0..32767"},
        {"setup 1 1 0 0 0\n", "line 1: 'setup' takes 18 arguments, got 5"},
        {"NEW\n", "line 1: unknown event 'NEW'"},
        {"hint\n", "line 1: 'hint' takes 1 argument, got 0"},
        {"computer strong 2\n", "line 1: 'computer' takes 1 argument, got 2"},
        {"hint Master\n", "line 1: unknown level 'Master' (beginner, casual, strong or master)"},
        {"setup 3 2 32767 1 0 0 0 0 0 0 0 0 0 0 0 0 5 0\ncomputer beginner\n",
         "line 2: the board holds 32773 seeds, more than the computer can count (32767)"},
    };
    for (const BadScript& b : bad) {
        SCOPED_TRACE(b.script);
        const ReplayRun run = replay(b.script);
        EXPECT_EQ(run.status, ReplayBadInput);
        EXPECT_EQ(run.err, std::string("kalvora-replay: ") + b.error + "\n");
    }
}

} // namespace
} // namespace kalvora
