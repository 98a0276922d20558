// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a run-time error in an event procedure ends the program.

class QWidget;

// Shows the error's message over `window`, then ends the program with status
// 1: through the event loop when it runs, at once before it does.
void endWithRunTimeError(QWidget* window, const char* what);
