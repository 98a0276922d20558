// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed pictures under assets/ byte by byte, with no toolkit:
// a file the window or the desktop cannot read, or one drawn at the wrong
// size or depth, fails here rather than on a user's screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readAsset(const std::string& name) {
    std::ifstream in(std::string(KALVORA_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const Bytes& b, size_t at) {
    return at + 2 <= b.size() ? b[at] | b[at + 1] << 8 : 0xffffffffu;
}

std::uint32_t le32(const Bytes& b, size_t at) {
    if (at + 4 > b.size())
        return 0xffffffffu;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint32_t be32(const Bytes& b, size_t at) {
    if (at + 4 > b.size())
        return 0xffffffffu;
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

size_t paddedRow(size_t bits) {
    return (bits + 31) / 32 * 4;
}

struct Rgb {
    int r, g, b;
};

// A 24-bit bitmap already checked by BitmapFormat; rows are stored bottom up.
class Bitmap {
public:
    explicit Bitmap(const std::string& name) : bytes_(readAsset(name)) {
        if (bytes_.size() >= 54) {
            width_ = static_cast<int>(le32(bytes_, 18));
            height_ = static_cast<int>(le32(bytes_, 22));
        }
    }
    // Only the layout BitmapFormat demands; anything else would be misread.
    bool loaded() const {
        return width_ > 0 && height_ > 0 && le32(bytes_, 10) == 54 && le16(bytes_, 28) == 24 &&
               le32(bytes_, 30) == 0 &&
               bytes_.size() >= 54 + paddedRow(static_cast<size_t>(width_) * 24) * height_;
    }
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const {
        const size_t row = paddedRow(static_cast<size_t>(width_) * 24);
        const size_t i = 54 + row * static_cast<size_t>(height_ - 1 - y) + 3 * x;
        return {bytes_[i + 2], bytes_[i + 1], bytes_[i]};
    }

private:
    Bytes bytes_;
    int width_ = 0;
    int height_ = 0;
};

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

TEST_P(BitmapFormat, IsUncompressed24BitBottomUpWithExactSize) {
    const BitmapCase& c = GetParam();
    const Bytes b = readAsset(c.file);
    ASSERT_GE(b.size(), 54u) << c.file << " missing or truncated";
    const size_t pixels = paddedRow(static_cast<size_t>(c.width) * 24) * c.height;

    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size()) << "size field";
    EXPECT_EQ(le32(b, 10), 54u) << "pixels follow the headers directly";
    EXPECT_EQ(le32(b, 14), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(le32(b, 18), static_cast<std::uint32_t>(c.width));
    // Positive height: bottom-up rows, which every reader accepts.
    EXPECT_EQ(le32(b, 22), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(le16(b, 26), 1u) << "planes";
    EXPECT_EQ(le16(b, 28), 24u) << "bits per pixel";
    EXPECT_EQ(le32(b, 30), 0u) << "BI_RGB, uncompressed";
    const std::uint32_t imageSize = le32(b, 34);
    EXPECT_TRUE(imageSize == 0 || imageSize == pixels) << imageSize;
    EXPECT_EQ(le32(b, 46), 0u) << "no colour table for 24 bits";
    EXPECT_EQ(b.size(), 54 + pixels) << "rows padded to four bytes, nothing after them";
}

INSTANTIATE_TEST_SUITE_P(Assets, BitmapFormat, testing::ValuesIn(kBitmaps),
                         [](const auto& info) { return caseName(info.param.file); });

// The double-density pictures must be the same drawing, not a different one:
// averaged down to 1x, they match the 1x file.
double meanDifferenceAt1x(const Bitmap& one, const Bitmap& two, int x0, int x1) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb p = one.at(x, y);
            const Rgb q[4] = {two.at(2 * x, 2 * y), two.at(2 * x + 1, 2 * y),
                              two.at(2 * x, 2 * y + 1), two.at(2 * x + 1, 2 * y + 1)};
            sum += std::abs((q[0].r + q[1].r + q[2].r + q[3].r) / 4.0 - p.r) +
                   std::abs((q[0].g + q[1].g + q[2].g + q[3].g) / 4.0 - p.g) +
                   std::abs((q[0].b + q[1].b + q[2].b + q[3].b) / 4.0 - p.b);
            n += 3;
        }
    return sum / n;
}

TEST(DoubleDensity, BackgroundAboutPictureAndBoardMatchTheirSingleDensityFiles) {
    for (const std::string stem : {"background", "about_picture", "board_diagram"}) {
        const Bitmap one(stem + ".bmp");
        const Bitmap two(stem + "@2x.bmp");
        ASSERT_TRUE(one.loaded() && two.loaded()) << stem;
        EXPECT_LT(meanDifferenceAt1x(one, two, 0, one.width()), 4.0) << stem;
    }
}

const char* const kButtons[] = {"new",    "new_pressed",    "stop",  "stop_pressed",
                                "option", "option_pressed", "about", "about_pressed"};

// Words must survive a 65-pixel button that clips up to three pixels a side.
constexpr int kTextLeft = 6;
constexpr int kTextRight = 64;

TEST(DoubleDensity, ButtonsShowTheSameStoneAndTheSameWordsInTheSamePlace) {
    for (const std::string stem : kButtons) {
        const Bitmap one(stem + ".bmp");
        const Bitmap two(stem + "@2x.bmp");
        ASSERT_TRUE(one.loaded() && two.loaded()) << stem;
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
    for (const std::string stem : kButtons) {
        const Bitmap b(stem + ".bmp");
        ASSERT_TRUE(b.loaded()) << stem;
        int inkLeft = b.width();
        int inkRight = -1;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (isInk(b.at(x, y))) {
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
        const Bitmap normal(std::string(ink.stem) + ".bmp");
        const Bitmap pressed(std::string(ink.stem) + "_pressed.bmp");
        ASSERT_TRUE(normal.loaded() && pressed.loaded()) << ink.stem;
        int stoneChanged = 0;
        int coloured = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                const Rgb a = normal.at(x, y);
                const Rgb b = pressed.at(x, y);
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
    const Bitmap b("background.bmp");
    ASSERT_TRUE(b.loaded());
    // The plain stone between the board panel and the status strip, where the
    // buttons sit: light enough for black text, grey rather than tinted.
    double sum = 0;
    int darkest = 255;
    int tinted = 0;
    for (int y = 237; y < 276; ++y)
        for (int x = 0; x < 400; ++x) {
            const Rgb c = b.at(x, y);
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

std::vector<IconEntry> iconDirectory(const Bytes& b) {
    std::vector<IconEntry> out;
    const std::uint32_t count = le16(b, 4);
    for (std::uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= b.size(); ++i) {
        const size_t e = 6 + 16 * i;
        out.push_back({b[e] == 0 ? 256 : b[e], static_cast<int>(le16(b, e + 6)), le32(b, e + 8),
                       le32(b, e + 12)});
    }
    return out;
}

TEST(Icon, HoldsSixImages48x32x16In256And16Colours) {
    const Bytes b = readAsset("kalvora.ico");
    ASSERT_GE(b.size(), 6u) << "kalvora.ico missing";
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u) << "type 1: icon, not cursor";
    const std::vector<IconEntry> entries = iconDirectory(b);
    ASSERT_EQ(entries.size(), 6u);

    std::vector<std::array<int, 2>> seen;
    for (const IconEntry& e : entries)
        seen.push_back({e.size, e.bits});
    for (int size : {48, 32, 16})
        for (int bits : {8, 4})
            EXPECT_EQ(std::count(seen.begin(), seen.end(), std::array<int, 2>{size, bits}), 1)
                << size << "x" << size << " at " << bits << " bpp";
}

TEST(Icon, EachImageHeaderAgreesWithItsDirectoryEntry) {
    const Bytes b = readAsset("kalvora.ico");
    const std::vector<IconEntry> entries = iconDirectory(b);
    ASSERT_EQ(entries.size(), 6u);
    std::uint32_t expectedOffset = 6 + 16 * 6;
    for (size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        SCOPED_TRACE(std::to_string(e.size) + "px " + std::to_string(e.bits) + "bpp");
        const size_t d = 6 + 16 * i;
        EXPECT_EQ(b[d + 1], e.size) << "height in directory";
        EXPECT_EQ(b[d + 2], e.bits == 4 ? 16 : 0) << "colour count in directory";
        EXPECT_EQ(b[d + 3], 0) << "reserved";
        EXPECT_EQ(le16(b, d + 4), 1u) << "planes in directory";
        // Images follow one another in directory order, with no gaps.
        EXPECT_EQ(e.offset, expectedOffset);
        expectedOffset = e.offset + e.bytes;
        ASSERT_LE(static_cast<size_t>(e.offset) + e.bytes, b.size()) << "runs past the file";

        const size_t h = e.offset;
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

TEST(Icon, BackgroundIsTransparentAndTheNestIsOpaque) {
    const Bytes b = readAsset("kalvora.ico");
    const std::vector<IconEntry> entries = iconDirectory(b);
    ASSERT_EQ(entries.size(), 6u);
    for (const IconEntry& e : entries) {
        SCOPED_TRACE(std::to_string(e.size) + "px " + std::to_string(e.bits) + "bpp");
        ASSERT_LE(static_cast<size_t>(e.offset) + e.bytes, b.size());
        const size_t palette = e.offset + 40;
        const size_t pixels = palette + 4 * (size_t{1} << e.bits);
        const size_t xorRow = paddedRow(static_cast<size_t>(e.size) * e.bits);
        const size_t mask = pixels + xorRow * e.size;
        const size_t andRow = paddedRow(static_cast<size_t>(e.size));
        // Rows are bottom up in both the pixels and the mask.
        auto transparent = [&](int x, int y) {
            return (b[mask + andRow * (e.size - 1 - y) + x / 8] >> (7 - x % 8) & 1) != 0;
        };
        auto index = [&](int x, int y) {
            const std::uint8_t v = b[pixels + xorRow * (e.size - 1 - y) + x * e.bits / 8];
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
                    const size_t c = palette + 4 * index(x, y);
                    ASSERT_EQ(b[c] | b[c + 1] | b[c + 2], 0) << "at " << x << "," << y;
                }
    }
}

std::uint32_t crc32(const Bytes& b, size_t from, size_t to) {
    std::uint32_t crc = 0xffffffffu;
    for (size_t i = from; i < to; ++i) {
        crc ^= b[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

TEST(Icon, PngsForTheDesktopAreFullColourWithAlphaAtEachSize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string file = "kalvora-" + std::to_string(size) + ".png";
        const Bytes b = readAsset(file);
        ASSERT_GE(b.size(), 33u) << file << " missing or truncated";
        const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        EXPECT_TRUE(std::equal(signature, signature + 8, b.begin())) << file;
        EXPECT_EQ(be32(b, 8), 13u) << file << ": IHDR length";
        EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR") << file;
        EXPECT_EQ(be32(b, 16), static_cast<std::uint32_t>(size)) << file << ": width";
        EXPECT_EQ(be32(b, 20), static_cast<std::uint32_t>(size)) << file << ": height";
        EXPECT_EQ(b[24], 8) << file << ": bit depth";
        EXPECT_EQ(b[25], 6) << file << ": colour type RGBA";
        EXPECT_EQ(b[28], 0) << file << ": not interlaced";
        EXPECT_EQ(be32(b, 29), crc32(b, 12, 29)) << file << ": IHDR checksum";
        // The file ends with an empty IEND chunk.
        const std::uint8_t iend[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
        EXPECT_TRUE(std::equal(iend, iend + 12, b.end() - 12)) << file << ": IEND";
    }
}

} // namespace
