// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

void put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

int paddedRow(int bits) {
    return ((bits + 31) / 32) * 4;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

// An icon's image header; icons give no resolution.
void putInfoHeader(QByteArray& out, int width, int height, int bpp, std::uint32_t imageBytes) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bpp));
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
}

// Un-premultiplied colour and opacity of one pixel.
struct Sample {
    int r, g, b;
    bool opaque;
};

std::vector<Sample> samples(const QImage& rgba) {
    const QImage img = rgba.convertToFormat(QImage::Format_ARGB32);
    std::vector<Sample> out;
    out.reserve(static_cast<size_t>(img.width()) * img.height());
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            out.push_back({qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qAlpha(line[x]) >= 128});
    }
    return out;
}

// Perceptual-ish weighting; green errors show the most.
int distance2(int r1, int g1, int b1, QRgb c) {
    const int dr = r1 - qRed(c);
    const int dg = g1 - qGreen(c);
    const int db = b1 - qBlue(c);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::uint8_t nearest(const std::vector<QRgb>& palette, int r, int g, int b) {
    int best = 0;
    int bestD = distance2(r, g, b, palette[0]);
    for (size_t i = 1; i < palette.size(); ++i) {
        const int d = distance2(r, g, b, palette[i]);
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

struct Box {
    std::vector<std::array<int, 3>> colours;
    int longestAxis() const {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        for (const auto& c : colours)
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
        int axis = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[axis] - lo[axis])
                axis = k;
        return axis;
    }
    int range() const {
        const int axis = longestAxis();
        auto [mn, mx] =
            std::minmax_element(colours.begin(), colours.end(),
                                [axis](const auto& a, const auto& b) { return a[axis] < b[axis]; });
        return (*mx)[axis] - (*mn)[axis];
    }
};

PalettedImage makeBase(const QImage& rgba, int bpp) {
    PalettedImage out;
    out.width = rgba.width();
    out.height = rgba.height();
    out.bitsPerPixel = bpp;
    out.index.assign(static_cast<size_t>(out.width) * out.height, 0);
    out.transparent.assign(out.index.size(), true);
    return out;
}

} // namespace

bool writeBmp24(const QImage& image, const QString& path) {
    // Qt writes an image without alpha as 24 bits a pixel, and gives the
    // resolution the image carries.
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    constexpr int kDotsPerMetreAt72Dpi = 2835;
    opaque.setDotsPerMeterX(kDotsPerMetreAt72Dpi);
    opaque.setDotsPerMeterY(kDotsPerMetreAt72Dpi);
    return opaque.save(path, "BMP");
}

PalettedImage quantize256(const QImage& rgba) {
    const std::vector<Sample> px = samples(rgba);
    PalettedImage out = makeBase(rgba, 8);

    Box all;
    for (const Sample& s : px)
        if (s.opaque)
            all.colours.push_back({s.r, s.g, s.b});

    // Median cut: keep splitting the box with the widest spread at its median.
    std::vector<Box> boxes;
    if (!all.colours.empty())
        boxes.push_back(std::move(all));
    while (boxes.size() < 255) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.range() < b.range();
        });
        if (widest == boxes.end() || widest->range() == 0 || widest->colours.size() < 2)
            break;
        const int axis = widest->longestAxis();
        auto& cs = widest->colours;
        std::sort(cs.begin(), cs.end(), [axis](const auto& a, const auto& b) {
            return a[axis] != b[axis] ? a[axis] < b[axis] : a < b;
        });
        Box upper;
        upper.colours.assign(cs.begin() + static_cast<long>(cs.size() / 2), cs.end());
        cs.resize(cs.size() / 2);
        boxes.push_back(std::move(upper));
    }

    out.palette.assign(256, qRgb(0, 0, 0));
    for (size_t i = 0; i < boxes.size(); ++i) {
        std::array<long, 3> sum{0, 0, 0};
        for (const auto& c : boxes[i].colours)
            for (int k = 0; k < 3; ++k)
                sum[k] += c[k];
        const auto n = static_cast<long>(boxes[i].colours.size());
        out.palette[i + 1] =
            qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                 static_cast<int>((sum[2] + n / 2) / n));
    }
    const std::vector<QRgb> used(out.palette.begin(),
                                 out.palette.begin() + static_cast<long>(boxes.size() + 1));
    for (size_t i = 0; i < px.size(); ++i) {
        if (!px[i].opaque)
            continue;
        out.transparent[i] = false;
        out.index[i] = nearest(used, px[i].r, px[i].g, px[i].b);
    }
    return out;
}

PalettedImage quantize16(const QImage& rgba) {
    static const std::vector<QRgb> vga = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    // 4x4 Bayer thresholds, centred on zero.
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    // The VGA palette has no browns; a wide spread turns the nest into a
    // maroon-and-olive checkerboard, so dither only lightly at the transitions.
    constexpr double spread = 20.0;

    const std::vector<Sample> px = samples(rgba);
    PalettedImage out = makeBase(rgba, 4);
    out.palette = vga;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const size_t i = static_cast<size_t>(y) * out.width + x;
            if (!px[i].opaque)
                continue;
            const double t = (bayer[y & 3][x & 3] + 0.5) / 16.0 - 0.5;
            const int d = static_cast<int>(std::lround(t * spread));
            out.transparent[i] = false;
            out.index[i] =
                nearest(vga, std::clamp(px[i].r + d, 0, 255), std::clamp(px[i].g + d, 0, 255),
                        std::clamp(px[i].b + d, 0, 255));
        }
    return out;
}

bool writeIco(const std::vector<PalettedImage>& images, const QString& path) {
    std::vector<QByteArray> blobs;
    for (const PalettedImage& im : images) {
        const int xorRow = paddedRow(im.width * im.bitsPerPixel);
        const int andRow = paddedRow(im.width);
        const auto pixelBytes = static_cast<std::uint32_t>((xorRow + andRow) * im.height);
        QByteArray b;
        putInfoHeader(b, im.width, im.height * 2, im.bitsPerPixel, pixelBytes);
        for (QRgb c : im.palette) {
            b.append(static_cast<char>(qBlue(c)));
            b.append(static_cast<char>(qGreen(c)));
            b.append(static_cast<char>(qRed(c)));
            b.append('\0');
        }
        for (int y = im.height - 1; y >= 0; --y) {
            QByteArray row(xorRow, '\0');
            for (int x = 0; x < im.width; ++x) {
                const std::uint8_t v = im.index[static_cast<size_t>(y) * im.width + x];
                if (im.bitsPerPixel == 8)
                    row[x] = static_cast<char>(v);
                else
                    row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? v : v << 4));
            }
            b.append(row);
        }
        for (int y = im.height - 1; y >= 0; --y) {
            QByteArray row(andRow, '\0');
            for (int x = 0; x < im.width; ++x)
                if (im.transparent[static_cast<size_t>(y) * im.width + x])
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            b.append(row);
        }
        blobs.push_back(b);
    }

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const PalettedImage& im = images[i];
        out.append(static_cast<char>(im.width >= 256 ? 0 : im.width));
        out.append(static_cast<char>(im.height >= 256 ? 0 : im.height));
        out.append(static_cast<char>(im.bitsPerPixel >= 8 ? 0 : 1 << im.bitsPerPixel));
        out.append('\0');
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(im.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(blobs[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(blobs[i].size());
    }
    for (const QByteArray& b : blobs)
        out.append(b);
    return writeFile(path, out);
}

} // namespace assetgen
