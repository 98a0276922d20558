// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The image at path, the same pixels as QImage(path) gives. A 24-bit Windows
// bitmap among the resources, as every drawing of the game is, is converted
// where it lies; anything else goes to Qt's image reader.
QImage readBitmap(const QString& path);
