// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's one typeface, bold, at a point size drawn for 96 dots per inch.

#include <QFont>

namespace kalvora {

// "MS Sans Serif" where it is installed, else the first of a fixed list of
// plain sans-serif faces, so that every machine picks the same way.
QString windowFontFamily();

// A pixel size, not a point size: the layout is in pixels and must not grow
// with the screen's dots per inch (12 pt -> 16 px, 9.75 pt -> 13 px).
QFont windowFont(double points);

} // namespace kalvora
