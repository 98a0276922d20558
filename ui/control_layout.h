// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every position and size on the main window, in twips as the layout gives
// them, converted to pixels in one place, with the words each control shows
// and its tooltip. Left and Top count from the parent's client area: the
// window's, or for a pit label the inside of its square. The picture
// generator includes this too, so it needs no widgets.

#include "fixed_texts.h"
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

// A control by the name the window gives its object: the stem of its picture
// file under assets/, the words it shows (drawn in its picture, for a
// button), its tooltip, and where it lies.
struct Control {
    const char* name;
    const char* picture;
    const char* words;
    const char* toolTip;
    Twips at;

    constexpr QRect toRect() const { return at.toRect(); }
};

// The window's words are its title.
constexpr Control kForm1{"Form1", nullptr, "Tembrel - Kalvoro 1.0", nullptr, kClientArea};

// box(1..16), pit p at slot(p). Player one's row runs left to right along the
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

constexpr Control kOption1{"option1", "option", "Option", "Setting game", {2760, 3600, 975, 495}};
constexpr Control kAbout1{"about1", "about", "About ?", "Who am I ??", {3840, 3600, 975, 495}};
constexpr Control kStop1{"stop1", "stop", "Stop Game", "Stop the game !!", {1560, 3600, 1095, 495}};
constexpr Control kNew1{"new1", "new", "Play Game", "Start the game !!", {360, 3600, 1095, 495}};
constexpr std::array<const Control*, 4> kPictureButtons{&kNew1, &kStop1, &kOption1, &kAbout1};

// The free labels size themselves to their text; only Left and Top hold.
constexpr Control kTimelbl{
    "timelbl", nullptr, text::kInitialClock, nullptr, {2520, 2160, 885, 240}};
// The line a new player reads first; a mouse player learns the key here.
constexpr Control kStatuslbl{
    "statuslbl", nullptr, text::kWelcome, "Press F1 for how to play", {120, 4200, 2610, 240}};
constexpr Control kPlayerlbl2{
    "playerlbl2", nullptr, text::kPlayerLabelTwo, nullptr, {1560, 2160, 645, 195}};
constexpr Control kPlayerlbl1{
    "playerlbl1", nullptr, text::kPlayerLabelOne, nullptr, {3840, 2160, 645, 195}};
constexpr std::array<const Control*, 4> kFreeLabels{&kTimelbl, &kStatuslbl, &kPlayerlbl2,
                                                    &kPlayerlbl1};

constexpr Control kShape3{"Shape3", nullptr, nullptr, nullptr, {1440, 2040, 3135, 495}};
constexpr Control kShape2{"Shape2", nullptr, nullptr, nullptr, {840, 2640, 4335, 615}};
constexpr Control kShape1{"Shape1", nullptr, nullptr, nullptr, {840, 1320, 4335, 615}};
constexpr std::array<const Control*, 3> kShapes{&kShape1, &kShape2, &kShape3};

// The squares behind option1, back to front. The Tab key visits the controls
// in the order they are stacked from the back, so this is also their Tab order.
constexpr std::array<int, kPitCount - 1> kSquaresBehindOption1{1,  8, 9, 10, 11, 12, 13, 14,
                                                               15, 2, 3, 4,  5,  6,  7};
// In front of everything.
constexpr int kFrontSquare = kPlayerTwoStore;

// The background picture's artwork, in its pixels at 1x. It lies under the
// controls above, and is written beside them so that one moves with the
// other. A raised slab behind the board, and a lower one under the status
// line that runs off the left and bottom edges.
constexpr QRect kBoardPanel{20, 60, 358, 175};
constexpr QRect kStatusStrip{-20, 278, 252, 50};
// The box the letters of the game's raised name fill, and of the maker's name
// pressed in, whose baseline is the box's bottom edge.
constexpr QRect kTitle{12, 13, 172, 34};
constexpr QRect kMakerName{281, 286, 111, 8};
// The window's pixel at the top left corner of How to play's board diagram:
// the bands with a line of text above and below them.
constexpr QPoint kBoardDiagramCorner{20, 66};

// Font sizes in points, drawn at 96 dots per inch.
constexpr double kSmallPitPoints = 12;
constexpr double kStorePoints = 24;
constexpr double kTimeAndStatusPoints = 9.75;
constexpr double kPlayerLabelPoints = 8.25;

} // namespace kalvora::layout
