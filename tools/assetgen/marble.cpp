// SPDX-License-Identifier: GPL-3.0-or-later
#include "marble.h"

#include "noise.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

// A vein: a soft dark line where the warped stripe field crosses a whole number.
double veinProfile(double t, double width) {
    const double s = std::sin(M_PI * t);
    return std::exp(-(s * s) / (2.0 * width * width));
}

} // namespace

QImage marble(QSize logicalSize, double scale, QPointF origin, std::uint32_t seed) {
    const int w = static_cast<int>(std::lround(logicalSize.width() * scale));
    const int h = static_cast<int>(std::lround(logicalSize.height() * scale));
    QImage img(w, h, QImage::Format_RGB32);
    // Finer detail only where there are pixels to show it; at 1x it would alias.
    const int extra = scale >= 1.5 ? 1 : 0;

    for (int py = 0; py < h; ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < w; ++px) {
            const double x = origin.x() + (px + 0.5) / scale;
            const double y = origin.y() + (py + 0.5) / scale;

            const double clouds = fbm(x / 85.0, y / 85.0, 5 + extra, seed);
            const double grain = fbm(x / 3.0, y / 3.0, 1 + extra, seed + 3);

            // Main veins run diagonally, bent by turbulence and fading in and out:
            // a soft halo around a finer, darker core.
            const double warp = fbm(x / 140.0, y / 140.0, 4, seed + 7) +
                                0.08 * fbm(x / 18.0, y / 18.0, 2 + extra, seed + 11);
            const double t1 = (x * 0.8 + y * 0.5) / 80.0 + 2.4 * warp;
            const double mask1 = smoothstep(-0.1, 0.4, fbm(x / 160.0, y / 160.0, 3, seed + 13));
            const double vein1 =
                (0.55 * veinProfile(t1, 0.20) + 0.45 * veinProfile(t1, 0.045)) * mask1;

            // A fainter, finer set across them.
            const double warp2 = fbm(x / 90.0, y / 90.0, 4, seed + 21) +
                                 0.06 * fbm(x / 14.0, y / 14.0, 2 + extra, seed + 23);
            const double t2 = (x * 0.35 - y * 0.9) / 55.0 + 2.0 * warp2;
            const double mask2 = smoothstep(0.05, 0.5, fbm(x / 110.0, y / 110.0, 3, seed + 29));
            const double vein2 = veinProfile(t2, 0.05) * mask2;

            const double grey = 218.0 + 16.0 * clouds + 2.0 * grain - 22.0 * vein1 - 10.0 * vein2;
            // A touch cooler in the veins, as real grey marble is.
            const double r = grey - 1.0 * vein1;
            const double b = grey + 1.5 + 1.5 * vein1;
            line[px] = qRgb(std::clamp(static_cast<int>(std::lround(r)), 0, 255),
                            std::clamp(static_cast<int>(std::lround(grey)), 0, 255),
                            std::clamp(static_cast<int>(std::lround(b)), 0, 255));
        }
    }
    return img;
}

} // namespace assetgen
