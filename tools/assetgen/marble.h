// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>

#include <cstdint>

namespace assetgen {

// Seed shared by the window background and the buttons, so a button cut from
// the same spot of the slab matches the stone around it.
constexpr std::uint32_t kMarbleSeed = 0x4b616c76u;

// Light grey marble. `logicalSize` is the 1x size, `origin` is where in the slab
// (1x pixels) the picture's top-left corner lies. The texture is a function
// of the logical position, so 2x is the same stone at double resolution.
QImage marble(QSize logicalSize, double scale, QPointF origin = {},
              std::uint32_t seed = kMarbleSeed);

} // namespace assetgen
