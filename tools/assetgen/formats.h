// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

// 24-bit uncompressed Windows bitmap at 72 dots per inch.
bool writeBmp24(const QImage& image, const QString& path);

struct PalettedImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;            // 4 or 8
    std::vector<QRgb> palette;       // exactly 1 << bitsPerPixel entries
    std::vector<std::uint8_t> index; // row-major, top row first
    std::vector<bool> transparent;   // row-major, top row first
};

// Pixels with alpha below half become transparent; the rest keep their own colour.
// Index 0 is black and is what transparent pixels hold, so the icon's XOR image
// leaves the screen untouched there.

// Median-cut palette of 255 colours plus black.
PalettedImage quantize256(const QImage& rgba);

// The classic 16-colour VGA palette with ordered dithering.
PalettedImage quantize16(const QImage& rgba);

// Windows icon of several images, each stored as a BITMAPINFOHEADER image with
// doubled height: palette, XOR pixels, then the 1-bit AND mask.
bool writeIco(const std::vector<PalettedImage>& images, const QString& path);

} // namespace assetgen
