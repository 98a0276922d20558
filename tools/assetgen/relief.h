// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

namespace assetgen {

// Heights on the output pixel grid, measured in logical (1x) pixels so the
// same relief looks the same at every scale.
struct HeightMap {
    int width = 0;
    int height = 0;
    std::vector<float> z;

    HeightMap() = default;
    HeightMap(int w, int h) : width(w), height(h), z(static_cast<size_t>(w) * h, 0.0f) {}
    float at(int x, int y) const;
    float& ref(int x, int y) { return z[static_cast<size_t>(y) * width + x]; }
};

void gaussianBlur(HeightMap& map, double sigmaPx);

// Renders `draw` (in logical coordinates) as a coverage mask, blurs it by
// `softness` logical pixels and scales it to `depth`.
HeightMap heightFromDrawing(QSize pixelSize, double scale, double softness, double depth,
                            const std::function<void(QPainter&)>& draw);

// Signed distance (logical pixels, negative inside) to a rounded rectangle.
double roundedRectDistance(double x, double y, const QRectF& rect, double radius);

// A flat-topped slab whose edges rise linearly over `bevel` logical pixels.
HeightMap roundedSlab(QSize pixelSize, double scale, const QRectF& rect, double radius,
                      double bevel);

// Lights `img` from the top left using the slope of `map`. `strength` is the
// fraction of the way to black that a 45-degree slope facing away gets; slopes
// facing the light get `highlightGain` times that towards white, since on pale
// stone the highlights need the extra push to read as much as the shadows.
void shadeRelief(QImage& img, const HeightMap& map, double scale, double strength,
                 double highlightGain = 1.0);

// Multiplies each pixel by (1 - amount(x, y)); `amount` takes logical coordinates.
void darken(QImage& img, double scale, const std::function<double(double, double)>& amount);

// Moves each pixel towards white by `amount(x, y)`; logical coordinates.
void lighten(QImage& img, double scale, const std::function<double(double, double)>& amount);

} // namespace assetgen
