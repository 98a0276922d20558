// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program under measurement. It never outlives the probe: every failure
// goes through fail(), which kills it before the probe exits.

#include <sys/types.h>

#include <string>
#include <vector>

namespace probe {

// Starts `command` with its output appended to `log` (none: the probe's own).
void startChild(const std::vector<std::string>& command, const std::string& log);

pid_t childPid();

// Fails if the program has already ended: it must run until it is closed.
void failIfChildEnded();

// Waits up to `seconds` for the program to end after its window was closed;
// fails if it does not, or if it ends with anything but exit status 0.
void waitForChildSuccess(int seconds);

// Names the failure on standard error, kills the program and exits with 1.
[[noreturn]] void fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace probe
