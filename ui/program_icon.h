// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon for the window's title bar.

#include <QIcon>

// The program icon for the title bar: the icon file's 256 colour images of
// 48, 32 and 16 pixels, and 64 pixels for a title bar on a 2x screen. X11
// copies every size into the window's icon property, so the 128 and 256
// pixel images are left out: launchers and task switchers take the
// installed icon files, and those two were most of the icon's decoding.
QIcon programIcon();
