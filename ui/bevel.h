// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One ring of a classic 3-D edge, one pixel wide: the top and left lines in
// one colour, the bottom and right lines, corners included, in the other.

#include <QPainter>

inline void drawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
                      const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}
