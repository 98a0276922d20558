// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an arrow key takes the focus on the board, as the squares lie on
// screen: player one's row 1..7 left to right along the bottom, player two's
// 15..9 along the top, store 16 at the left end and store 8 at the right.

#include <Qt>

// The square an arrow leads to from `pit`; `pit` itself where the board ends
// in that direction. Any other key also leaves the focus on `pit`.
int squareTowards(int pit, Qt::Key arrow);
