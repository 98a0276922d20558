// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace assetgen {

// Loads the bundled-by-Debian Liberation Sans faces. Returns false if missing,
// since a silently substituted font would change every picture.
bool loadFonts(QString* error);

// Window background, the size of the window's client area at scale 1.
QImage drawBackground(double scale);

struct ButtonPicture {
    QString fileStem; // e.g. "new"
    QString label;
    QColor pressedInk;
    QRect onWindow; // where the button sits, to pick the same stone
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
