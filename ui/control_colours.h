// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours of the controls. The game writes them as &HBBGGRR numbers: red is
// the low byte.

#include "colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kalvora {

// The window's own colours, which the game never sets: the middle panel, the
// clock and the status line.
constexpr Colour kPanelColour = 0x80FFFF;
constexpr Colour kClockColour = 0x0000FF;
constexpr Colour kStatusColour = 0xFF0000;

inline QColor toQColor(Colour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A label's ForeColor: the colour its text is drawn in.
inline void setForeColor(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace kalvora
