// SPDX-License-Identifier: GPL-3.0-or-later
#include "relief.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace assetgen {

float HeightMap::at(int x, int y) const {
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    return z[static_cast<size_t>(y) * width + x];
}

void gaussianBlur(HeightMap& map, double sigmaPx) {
    if (sigmaPx <= 0.0)
        return;
    const int radius = static_cast<int>(std::ceil(sigmaPx * 3.0));
    std::vector<double> kernel(2 * radius + 1);
    double sum = 0.0;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = std::exp(-(i * i) / (2.0 * sigmaPx * sigmaPx));
        sum += kernel[i + radius];
    }
    for (double& k : kernel)
        k /= sum;

    HeightMap tmp(map.width, map.height);
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < map.width; ++x) {
            double acc = 0.0;
            for (int i = -radius; i <= radius; ++i)
                acc += kernel[i + radius] * map.at(x + i, y);
            tmp.ref(x, y) = static_cast<float>(acc);
        }
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < map.width; ++x) {
            double acc = 0.0;
            for (int i = -radius; i <= radius; ++i)
                acc += kernel[i + radius] * tmp.at(x, y + i);
            map.ref(x, y) = static_cast<float>(acc);
        }
}

HeightMap heightFromDrawing(QSize pixelSize, double scale, double softness, double depth,
                            const std::function<void(QPainter&)>& draw) {
    QImage mask(pixelSize, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p);
    }
    HeightMap map(pixelSize.width(), pixelSize.height());
    for (int y = 0; y < map.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < map.width; ++x)
            map.ref(x, y) = static_cast<float>(qAlpha(line[x]) / 255.0 * depth);
    }
    gaussianBlur(map, softness * scale);
    return map;
}

double roundedRectDistance(double x, double y, const QRectF& rect, double radius) {
    const double cx = rect.center().x();
    const double cy = rect.center().y();
    const double qx = std::abs(x - cx) - (rect.width() / 2.0 - radius);
    const double qy = std::abs(y - cy) - (rect.height() / 2.0 - radius);
    const double ox = std::max(qx, 0.0);
    const double oy = std::max(qy, 0.0);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0) - radius;
}

HeightMap roundedSlab(QSize pixelSize, double scale, const QRectF& rect, double radius,
                      double bevel) {
    HeightMap map(pixelSize.width(), pixelSize.height());
    for (int py = 0; py < map.height; ++py)
        for (int px = 0; px < map.width; ++px) {
            const double x = (px + 0.5) / scale;
            const double y = (py + 0.5) / scale;
            const double d = -roundedRectDistance(x, y, rect, radius);
            map.ref(px, py) = static_cast<float>(std::clamp(d, 0.0, bevel));
        }
    // Round off the creases so the bevel edges antialias.
    gaussianBlur(map, 0.45 * scale);
    return map;
}

namespace {

int towards(int c, double amount) {
    double v = amount >= 0.0 ? c + (255 - c) * amount : c * (1.0 + amount);
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// Moves each pixel by `amount(x, y)` (logical coordinates) towards white, or
// with a `direction` of -1 towards black.
void tint(QImage& img, double scale, const std::function<double(double, double)>& amount,
          double direction) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double a = amount((x + 0.5) / scale, (y + 0.5) / scale);
            if (a <= 0.0)
                continue;
            const double t = direction * a;
            const QRgb c = line[x];
            line[x] =
                qRgba(towards(qRed(c), t), towards(qGreen(c), t), towards(qBlue(c), t), qAlpha(c));
        }
    }
}

} // namespace

void shadeRelief(QImage& img, const HeightMap& map, double scale, double strength,
                 double highlightGain) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            // Central differences, converted to height per logical pixel.
            const double gx = (map.at(x + 1, y) - map.at(x - 1, y)) * 0.5 * scale;
            const double gy = (map.at(x, y + 1) - map.at(x, y - 1)) * 0.5 * scale;
            double light = (gx + gy) * M_SQRT1_2 * strength;
            if (light == 0.0)
                continue;
            if (light > 0.0)
                light *= highlightGain;
            light = std::clamp(light, -0.75, 0.75);
            const QRgb c = line[x];
            line[x] = qRgba(towards(qRed(c), light), towards(qGreen(c), light),
                            towards(qBlue(c), light), qAlpha(c));
        }
    }
}

void darken(QImage& img, double scale, const std::function<double(double, double)>& amount) {
    tint(img, scale, amount, -1.0);
}

void lighten(QImage& img, double scale, const std::function<double(double, double)>& amount) {
    tint(img, scale, amount, 1.0);
}

} // namespace assetgen
