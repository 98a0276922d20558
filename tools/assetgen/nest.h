// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace assetgen {

// Program icon: a woven nest holding three speckled eggs, on transparency.
// Drawn afresh for each size, with less detail as the size shrinks.
QImage drawNestIcon(int size);

} // namespace assetgen
