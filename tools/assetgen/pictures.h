// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_layout.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

namespace assetgen {

// Loads the bundled-by-Debian Liberation Sans faces. Returns false if missing,
// since a silently substituted font would change every picture.
bool loadFonts(QString* error);

// Window background, the size of the window's client area at scale 1.
QImage drawBackground(double scale);

// The button's row of the window's controls table gives its file stem, its
// words and where it sits, to cut the same stone.
struct ButtonPicture {
    const kalvora::layout::Control& control;
    QColor pressedInk;
};

const std::vector<ButtonPicture>& buttonPictures();

// Button face, 70x30 at scale 1.
QImage drawButton(const ButtonPicture& button, bool pressed, double scale);

// About box picture, 200x200 at scale 1.
QImage drawAboutPicture(double scale);

// The board as How to play shows it, 360x176 at scale 1: both rows with each
// player's pit numbers, the stores, the owners' names and the direction of
// sowing, cut from the window's own layout.
QImage drawBoardDiagram(double scale);

} // namespace assetgen
