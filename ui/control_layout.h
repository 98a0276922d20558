// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every position and size on the main window, in twips as the layout gives
// them, converted to pixels in one place. Left and Top count from the parent's
// client area: the window's, or for a pit label the inside of its square.

#include "vocabulary.h"

#include <QRect>

#include <array>

namespace kalvora::layout {

// The window is drawn at 15 twips per pixel: 6000 x 4500 twips is the
// 400 x 300 pixel background picture.
constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct Twips {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toRect() const {
        return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    }
};

constexpr Twips kClientArea{0, 0, 6000, 4500};

// box(1..16), by pit index - 1. Player one's row runs left to right along the
// bottom into store 8; player two's runs right to left along the top into 16.
constexpr std::array<Twips, kPitCount> kBoxes{{
    {960, 2760, 495, 375},
    {1560, 2760, 495, 375},
    {2160, 2760, 495, 375},
    {2760, 2760, 495, 375},
    {3360, 2760, 495, 375},
    {3960, 2760, 495, 375},
    {4560, 2760, 495, 375},
    {4680, 1920, 855, 735},
    {4560, 1440, 495, 375},
    {3960, 1440, 495, 375},
    {3360, 1440, 495, 375},
    {2760, 1440, 495, 375},
    {2160, 1440, 495, 375},
    {1560, 1440, 495, 375},
    {960, 1440, 495, 375},
    {480, 1920, 855, 735},
}};

// angka(i) inside box(i). The store labels leave a band of the square above
// and below them.
constexpr Twips kSmallPitLabel{0, 0, 465, 300};
constexpr Twips kStore8Label{0, 80, 825, 540};
constexpr Twips kStore16Label{16, 80, 825, 540};

constexpr Twips pitLabel(int pit) {
    return pit == kPlayerOneStore   ? kStore8Label
           : pit == kPlayerTwoStore ? kStore16Label
                                    : kSmallPitLabel;
}

// The sunken edge of a square is its non-client area, two pixels wide.
constexpr int kSquareEdge = 2;

constexpr Twips kOption1{2760, 3600, 975, 495};
constexpr Twips kAbout1{3840, 3600, 975, 495};
constexpr Twips kStop1{1560, 3600, 1095, 495};
constexpr Twips kNew1{360, 3600, 1095, 495};
// The free labels size themselves to their text; only Left and Top hold.
constexpr Twips kTimelbl{2520, 2160, 885, 240};
constexpr Twips kStatuslbl{120, 4200, 2610, 240};
constexpr Twips kPlayerlbl2{1560, 2160, 645, 195};
constexpr Twips kPlayerlbl1{3840, 2160, 645, 195};
constexpr Twips kShape3{1440, 2040, 3135, 495};
constexpr Twips kShape2{840, 2640, 4335, 615};
constexpr Twips kShape1{840, 1320, 4335, 615};

// The squares behind option1, back to front. The Tab key visits the controls
// in the order they are stacked from the back, so this is also their Tab order.
constexpr std::array<int, kPitCount - 1> kSquaresBehindOption1{1,  8, 9, 10, 11, 12, 13, 14,
                                                               15, 2, 3, 4,  5,  6,  7};
// In front of everything.
constexpr int kFrontSquare = kPlayerTwoStore;

// Font sizes in points, drawn at 96 dots per inch.
constexpr double kSmallPitPoints = 12;
constexpr double kStorePoints = 24;
constexpr double kTimeAndStatusPoints = 9.75;
constexpr double kPlayerLabelPoints = 8.25;

} // namespace kalvora::layout
