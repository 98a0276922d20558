// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a script of window events through the game's event procedures and
// writes every display operation they issue, one a line.

#include <chrono>
#include <istream>
#include <optional>
#include <ostream>

namespace kalvora {

enum ReplayStatus : int { ReplayOk = 0, ReplayRuntimeError = 1, ReplayBadInput = 2 };

// Performs Form_Load, then the events of `script` one a line. Bad input stops
// the run with ReplayBadInput, a run-time error inside an event procedure
// with ReplayRuntimeError; both are reported on `errors` with the line number.
// The computer thinks for its level's time, or at most `thinkingTime` when
// given (the fuzzer gives it none, and gets one sowing deep answers).
int runReplay(std::istream& script, std::ostream& operations, std::ostream& errors,
              std::optional<std::chrono::milliseconds> thinkingTime = std::nullopt);

} // namespace kalvora
