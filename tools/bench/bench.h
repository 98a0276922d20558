// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalvora-bench: each measurement prints "RESULT LABEL METRIC VALUE" lines
// for tools/bench/run.sh, which takes the medians.

#include "form1_procedures.h"
#include "game_state.h"
#include "null_display.h"

#include <QRect>

#include <chrono>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// The bare window's click counter, the size of the inside of a small pit.
constexpr QRect kBareClickCounter(130, 186, 29, 21);

// Kalvora's rules on a display that shows nothing, loaded as at start-up.
struct Table {
    kalvora::GameState state;
    kalvora::NullDisplay display;
    kalvora::Form1Procedures procedures{state, display};
    Table() { procedures.Form_Load(); }
};

void result(const std::string& label, const std::string& metric, double value);

// Heap allocations of this program so far, counted by its operator new.
long long allocationCount();
long long allocatedBytes();

enum class Watch { Startup, Idle, SilentIdle, Clicks };
// `count`: seconds to idle or clicks to time. With `game` the program is
// Kalvora: new1 starts the clock and the clicks are legal moves on the pits.
int probeWindow(Watch watch, const std::string& label, int count, bool game,
                const std::vector<std::string>& command);
int measureRules(int repetitions);
int measureComputer(int repetitions);

} // namespace bench
