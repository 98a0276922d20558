// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window without an owner first appears: in the middle of the screen.

class QScreen;
class QWidget;

// Moves the window so that its frame, title bar included, is centred in the
// screen's available area; with no screen, it stays where it is.
void centreOnScreen(QWidget& window, const QScreen* screen);
