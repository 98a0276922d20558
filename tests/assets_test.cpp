// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed pictures under assets/: Qt's readers must read each one
// at its size and depth, and the bytes they do not show are checked by hand:
// the bitmap headers the window's own reader relies on, the icon's colour
// depths and headers, and the colour under its transparent pixels.

#include "control_layout.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

QString assetPath(const std::string& name) {
    return QString::fromStdString(std::string(KALVORA_ASSETS_DIR) + "/" + name);
}

QByteArray readAsset(const std::string& name) {
    QFile file(assetPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Little-endian fields; one that runs past the end of the file reads as a
// value no check expects.
std::uint32_t le16(const QByteArray& b, qsizetype at) {
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0xffffffffu;
}

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0xffffffffu;
}

std::uint8_t byteAt(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint8_t>(b.at(at));
}

size_t paddedRow(size_t bits) {
    return (bits + 31) / 32 * 4;
}

struct Rgb {
    int r, g, b;
};

Rgb at(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return {qRed(c), qGreen(c), qBlue(c)};
}

// The picture as Qt reads it, checked by BitmapFormat.
QImage bitmap(const std::string& name) {
    return QImage(assetPath(name), "bmp");
}

struct BitmapCase {
    const char* file;
    int width;
    int height;
};

const BitmapCase kBitmaps[] = {
    {"background.bmp", 400, 300},
    {"background@2x.bmp", 800, 600},
    {"about_picture.bmp", 200, 200},
    {"about_picture@2x.bmp", 400, 400},
    {"board_diagram.bmp", 360, 176},
    {"board_diagram@2x.bmp", 720, 352},
    {"new.bmp", 70, 30},
    {"new@2x.bmp", 140, 60},
    {"new_pressed.bmp", 70, 30},
    {"new_pressed@2x.bmp", 140, 60},
    {"stop.bmp", 70, 30},
    {"stop@2x.bmp", 140, 60},
    {"stop_pressed.bmp", 70, 30},
    {"stop_pressed@2x.bmp", 140, 60},
    {"option.bmp", 70, 30},
    {"option@2x.bmp", 140, 60},
    {"option_pressed.bmp", 70, 30},
    {"option_pressed@2x.bmp", 140, 60},
    {"about.bmp", 70, 30},
    {"about@2x.bmp", 140, 60},
    {"about_pressed.bmp", 70, 30},
    {"about_pressed@2x.bmp", 140, 60},
};

void PrintTo(const BitmapCase& c, std::ostream* os) {
    *os << c.file;
}

std::string caseName(const std::string& file) {
    std::string out;
    for (char c : file)
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

class BitmapFormat : public testing::TestWithParam<BitmapCase> {};

// Qt reads the size; the headers are what the window's own reader takes
// without a look at Qt's.
TEST_P(BitmapFormat, IsUncompressed24BitBottomUpWithExactSize) {
    const BitmapCase& c = GetParam();
    QImageReader reader(assetPath(c.file));
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), "bmp") << c.file;
    EXPECT_EQ(reader.size(), QSize(c.width, c.height)) << c.file;
    const QByteArray b = readAsset(c.file);
    ASSERT_GE(b.size(), 54) << c.file << " missing or truncated";
    const size_t pixels = paddedRow(static_cast<size_t>(c.width) * 24) * c.height;

    EXPECT_EQ(le32(b, 2), b.size()) << "size field";
    EXPECT_EQ(le32(b, 10), 54u) << "pixels follow the headers directly";
    EXPECT_EQ(le32(b, 14), 40u) << "BITMAPINFOHEADER";
    // Positive height: bottom-up rows, which every reader accepts.
    EXPECT_EQ(le32(b, 22), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(le16(b, 26), 1u) << "planes";
    EXPECT_EQ(le16(b, 28), 24u) << "bits per pixel";
    EXPECT_EQ(le32(b, 30), 0u) << "BI_RGB, uncompressed";
    const std::uint32_t imageSize = le32(b, 34);
    EXPECT_TRUE(imageSize == 0 || imageSize == pixels) << imageSize;
    EXPECT_EQ(le32(b, 46), 0u) << "no colour table for 24 bits";
    EXPECT_EQ(static_cast<size_t>(b.size()), 54 + pixels)
        << "rows padded to four bytes, nothing after them";
}

INSTANTIATE_TEST_SUITE_P(Assets, BitmapFormat, testing::ValuesIn(kBitmaps),
                         [](const auto& info) { return caseName(info.param.file); });

// The double-density pictures must be the same drawing, not a different one:
// averaged down to 1x, they match the 1x file.
double meanDifferenceAt1x(const QImage& one, const QImage& two, int x0, int x1) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb p = at(one, x, y);
            const Rgb q[4] = {at(two, 2 * x, 2 * y), at(two, 2 * x + 1, 2 * y),
                              at(two, 2 * x, 2 * y + 1), at(two, 2 * x + 1, 2 * y + 1)};
            sum += std::abs((q[0].r + q[1].r + q[2].r + q[3].r) / 4.0 - p.r) +
                   std::abs((q[0].g + q[1].g + q[2].g + q[3].g) / 4.0 - p.g) +
                   std::abs((q[0].b + q[1].b + q[2].b + q[3].b) / 4.0 - p.b);
            n += 3;
        }
    return sum / n;
}

TEST(DoubleDensity, BackgroundAboutPictureAndBoardMatchTheirSingleDensityFiles) {
    for (const std::string stem : {"background", "about_picture", "board_diagram"}) {
        const QImage one = bitmap(stem + ".bmp");
        const QImage two = bitmap(stem + "@2x.bmp");
        ASSERT_FALSE(one.isNull() || two.isNull()) << stem;
        EXPECT_LT(meanDifferenceAt1x(one, two, 0, one.width()), 4.0) << stem;
    }
}

// Each picture button's stem, and its pressed look.
std::vector<std::string> buttonPictures() {
    std::vector<std::string> stems;
    for (const kalvora::layout::Control* button : kalvora::layout::kPictureButtons)
        for (const char* look : {"", "_pressed"})
            stems.push_back(std::string(button->picture) + look);
    return stems;
}

// Words must survive a 65-pixel button that clips up to three pixels a side.
constexpr int kTextLeft = 6;
constexpr int kTextRight = 64;

TEST(DoubleDensity, ButtonsShowTheSameStoneAndTheSameWordsInTheSamePlace) {
    for (const std::string& stem : buttonPictures()) {
        const QImage one = bitmap(stem + ".bmp");
        const QImage two = bitmap(stem + "@2x.bmp");
        ASSERT_FALSE(one.isNull() || two.isNull()) << stem;
        // Outside the words both are bare stone from the same seed.
        EXPECT_LT(meanDifferenceAt1x(one, two, 0, kTextLeft), 2.0) << stem;
        EXPECT_LT(meanDifferenceAt1x(one, two, kTextRight + 1, one.width()), 2.0) << stem;
        // Over the words, font hinting moves edges by a pixel, no more.
        EXPECT_LT(meanDifferenceAt1x(one, two, kTextLeft, kTextRight + 1), 11.0) << stem;
    }
}

bool isInk(const Rgb& c) {
    // The stone is a light, nearly neutral grey; any text colour is far from it.
    const int lo = std::min({c.r, c.g, c.b});
    const int hi = std::max({c.r, c.g, c.b});
    return lo < 140 || hi - lo > 60;
}

TEST(Buttons, WordsStayInsideTheColumnsANarrowButtonShows) {
    for (const std::string& stem : buttonPictures()) {
        const QImage b = bitmap(stem + ".bmp");
        ASSERT_FALSE(b.isNull()) << stem;
        int inkLeft = b.width();
        int inkRight = -1;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (isInk(at(b, x, y))) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
        ASSERT_GE(inkRight, 0) << stem << " has no visible label";
        EXPECT_GE(inkLeft, kTextLeft) << stem;
        EXPECT_LE(inkRight, kTextRight) << stem;
    }
}

TEST(Buttons, PressedPicturesDifferOnlyInTheColourOfTheWords) {
    struct Ink {
        const char* stem;
        bool (*matches)(const Rgb&);
        const char* colour;
    };
    const Ink inks[] = {
        {"new", [](const Rgb& c) { return c.b > 200 && c.b - c.r > 80 && c.g > 90; }, "light blue"},
        {"stop", [](const Rgb& c) { return c.r > 150 && c.r - c.g > 100 && c.r - c.b > 100; },
         "red"},
        {"option", [](const Rgb& c) { return c.b > 120 && c.b - c.r > 100 && c.g < 100; }, "blue"},
        {"about", [](const Rgb& c) { return c.r > 150 && c.b > 150 && c.g < 100; }, "magenta"},
    };
    for (const Ink& ink : inks) {
        const QImage normal = bitmap(std::string(ink.stem) + ".bmp");
        const QImage pressed = bitmap(std::string(ink.stem) + "_pressed.bmp");
        ASSERT_FALSE(normal.isNull() || pressed.isNull()) << ink.stem;
        int stoneChanged = 0;
        int coloured = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                const Rgb a = at(normal, x, y);
                const Rgb b = at(pressed, x, y);
                const bool same = a.r == b.r && a.g == b.g && a.b == b.b;
                if (!same && (x < kTextLeft || x > kTextRight))
                    ++stoneChanged;
                if (isInk(a) && ink.matches(b))
                    ++coloured;
            }
        EXPECT_EQ(stoneChanged, 0) << ink.stem << ": the stone around the words differs";
        EXPECT_GT(coloured, 40) << ink.stem << "_pressed words are not " << ink.colour;
    }
}

TEST(Background, IsALightNeutralGreyStone) {
    const QImage b = bitmap("background.bmp");
    ASSERT_FALSE(b.isNull());
    // The plain stone between the board panel and the status strip, where the
    // buttons sit: light enough for black text, grey rather than tinted.
    double sum = 0;
    int darkest = 255;
    int tinted = 0;
    for (int y = 237; y < 276; ++y)
        for (int x = 0; x < 400; ++x) {
            const Rgb c = at(b, x, y);
            if (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 12)
                ++tinted;
            sum += (c.r + c.g + c.b) / 3.0;
            darkest = std::min(darkest, std::min({c.r, c.g, c.b}));
        }
    EXPECT_EQ(tinted, 0) << "pixels with a visible colour cast";
    const double mean = sum / (39 * 400);
    EXPECT_GT(mean, 200.0);
    EXPECT_LT(mean, 235.0);
    EXPECT_GT(darkest, 150) << "veins too dark for text over them";
}

// --- The program icon ---

struct IconEntry {
    int size;
    int bits;
    std::uint32_t bytes;
    std::uint32_t offset;
};

std::vector<IconEntry> iconDirectory(const QByteArray& b) {
    std::vector<IconEntry> out;
    const std::uint32_t count = le16(b, 4);
    for (std::uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<size_t>(b.size()); ++i) {
        const qsizetype e = 6 + 16 * i;
        out.push_back({byteAt(b, e) == 0 ? 256 : byteAt(b, e), static_cast<int>(le16(b, e + 6)),
                       le32(b, e + 8), le32(b, e + 12)});
    }
    return out;
}

// The icon's images as Qt reads them, in directory order. Qt refuses a file
// whose reserved first field is not zero.
std::vector<QImage> iconImages() {
    QImageReader reader(assetPath("kalvora.ico"), "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        images.push_back(reader.read());
    return images;
}

TEST(Icon, HoldsSixImages48x32x16In256And16Colours) {
    const QByteArray b = readAsset("kalvora.ico");
    EXPECT_EQ(le16(b, 2), 1u) << "type 1: icon, not cursor";
    const std::vector<QImage> images = iconImages();
    const std::vector<IconEntry> entries = iconDirectory(b);
    ASSERT_EQ(images.size(), 6u);
    ASSERT_EQ(entries.size(), 6u);

    // Qt reads the sizes; the depths it does not tell.
    std::vector<std::array<int, 2>> seen;
    for (size_t i = 0; i < entries.size(); ++i)
        seen.push_back({images[i].width(), entries[i].bits});
    for (int size : {48, 32, 16})
        for (int bits : {8, 4})
            EXPECT_EQ(std::count(seen.begin(), seen.end(), std::array<int, 2>{size, bits}), 1)
                << size << "x" << size << " at " << bits << " bpp";
}

TEST(Icon, EachImageHeaderAgreesWithItsDirectoryEntry) {
    const QByteArray b = readAsset("kalvora.ico");
    const std::vector<IconEntry> entries = iconDirectory(b);
    ASSERT_EQ(entries.size(), 6u);
    std::uint32_t expectedOffset = 6 + 16 * 6;
    for (size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        SCOPED_TRACE(std::to_string(e.size) + "px " + std::to_string(e.bits) + "bpp");
        const qsizetype d = 6 + 16 * i;
        EXPECT_EQ(byteAt(b, d + 1), e.size) << "height in directory";
        EXPECT_EQ(byteAt(b, d + 2), e.bits == 4 ? 16 : 0) << "colour count in directory";
        EXPECT_EQ(byteAt(b, d + 3), 0) << "reserved";
        EXPECT_EQ(le16(b, d + 4), 1u) << "planes in directory";
        // Images follow one another in directory order, with no gaps.
        EXPECT_EQ(e.offset, expectedOffset);
        expectedOffset = e.offset + e.bytes;
        ASSERT_LE(qsizetype{e.offset} + e.bytes, b.size()) << "runs past the file";

        const qsizetype h = e.offset;
        const size_t colours = size_t{1} << e.bits;
        const size_t xorBytes = paddedRow(static_cast<size_t>(e.size) * e.bits) * e.size;
        const size_t andBytes = paddedRow(static_cast<size_t>(e.size)) * e.size;
        EXPECT_EQ(le32(b, h), 40u) << "BITMAPINFOHEADER";
        EXPECT_EQ(le32(b, h + 4), static_cast<std::uint32_t>(e.size));
        EXPECT_EQ(le32(b, h + 8), static_cast<std::uint32_t>(2 * e.size))
            << "height counts the XOR image and the AND mask";
        EXPECT_EQ(le16(b, h + 12), 1u);
        EXPECT_EQ(le16(b, h + 14), static_cast<std::uint32_t>(e.bits));
        EXPECT_EQ(le32(b, h + 16), 0u) << "uncompressed";
        const std::uint32_t used = le32(b, h + 32);
        EXPECT_TRUE(used == 0 || used == colours) << "palette of " << colours;
        EXPECT_EQ(e.bytes, 40 + 4 * colours + xorBytes + andBytes);
    }
    EXPECT_EQ(expectedOffset, b.size()) << "trailing bytes after the last image";
}

// Qt reads the mask as the alpha channel; the colour under a transparent
// pixel it drops, so that one comes from the file.
TEST(Icon, BackgroundIsTransparentAndTheNestIsOpaque) {
    const QByteArray b = readAsset("kalvora.ico");
    const std::vector<IconEntry> entries = iconDirectory(b);
    const std::vector<QImage> images = iconImages();
    ASSERT_EQ(entries.size(), 6u);
    ASSERT_EQ(images.size(), 6u);
    for (size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        SCOPED_TRACE(std::to_string(e.size) + "px " + std::to_string(e.bits) + "bpp");
        ASSERT_LE(qsizetype{e.offset} + e.bytes, b.size());
        ASSERT_EQ(images[i].size(), QSize(e.size, e.size));
        const qsizetype palette = e.offset + 40;
        const qsizetype pixels = palette + 4 * (qsizetype{1} << e.bits);
        const qsizetype xorRow = paddedRow(static_cast<size_t>(e.size) * e.bits);
        auto transparent = [&](int x, int y) { return qAlpha(images[i].pixel(x, y)) == 0; };
        // Rows are bottom up.
        auto index = [&](int x, int y) {
            const std::uint8_t v = byteAt(b, pixels + xorRow * (e.size - 1 - y) + x * e.bits / 8);
            return e.bits == 8 ? v : (x % 2 ? v & 0x0f : v >> 4);
        };

        const int last = e.size - 1;
        EXPECT_TRUE(transparent(0, 0) && transparent(last, 0)) << "top corners";
        EXPECT_TRUE(transparent(0, last) && transparent(last, last)) << "bottom corners";
        EXPECT_FALSE(transparent(e.size / 2, e.size * 3 / 4)) << "bowl of the nest";
        EXPECT_FALSE(transparent(e.size / 2, e.size * 7 / 16)) << "eggs";
        // Where the mask lets the desktop through, the XOR colour must be black
        // or the desktop shows through tinted.
        for (int y = 0; y < e.size; ++y)
            for (int x = 0; x < e.size; ++x)
                if (transparent(x, y)) {
                    const qsizetype c = palette + 4 * index(x, y);
                    ASSERT_EQ(byteAt(b, c) | byteAt(b, c + 1) | byteAt(b, c + 2), 0)
                        << "at " << x << "," << y;
                }
    }
}

// libpng refuses a wrong signature, a first chunk other than a 13-byte IHDR
// and a wrong checksum; the colour type, interlacing and the end Qt does not
// tell.
TEST(Icon, PngsForTheDesktopAreFullColourWithAlphaAtEachSize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string file = "kalvora-" + std::to_string(size) + ".png";
        QImageReader reader(assetPath(file));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), "png") << file;
        EXPECT_EQ(reader.size(), QSize(size, size)) << file;
        EXPECT_EQ(reader.imageFormat(), QImage::Format_ARGB32) << file << ": 8 bits a channel";
        EXPECT_FALSE(reader.read().isNull()) << file << ": " << reader.errorString().toStdString();
        const QByteArray b = readAsset(file);
        ASSERT_GE(b.size(), 33) << file << " missing or truncated";
        EXPECT_EQ(b[25], 6) << file << ": colour type RGBA";
        EXPECT_EQ(b[28], 0) << file << ": not interlaced";
        EXPECT_TRUE(b.endsWith(QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12)))
            << file << ": ends with an empty IEND chunk";
    }
}

} // namespace
