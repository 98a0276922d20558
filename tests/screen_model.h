// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window would show: a Display that keeps the last value each
// operation gave each control, so that tests can check the screen against
// the game state after every event.

#include "display.h"
#include "fixed_texts.h"

#include <array>
#include <string>

namespace kalvora::testing {

struct ScreenModel : Display {
    std::array<std::string, kPitCount + 1> captions;
    std::array<Colour, kPitCount + 1> fore{};
    std::array<Colour, kPitCount + 1> back{};
    std::string status = text::kWelcome;
    std::string time = text::kInitialClock;
    std::string playerlbl2 = text::kPlayerLabelTwo;
    bool timerOn = false;
    int messageBoxes = 0;
    int aboutShown = 0;

    ScreenModel() {
        for (int p = kFirstPit; p <= kPitCount; ++p) {
            captions[static_cast<std::size_t>(p)] = text::kInitialCount;
            back[static_cast<std::size_t>(p)] = kGrey;
            fore[static_cast<std::size_t>(p)] = startingCountColour(p);
        }
    }

    void setPitCaption(int pit, std::string_view t) override { captions.at(index(pit)) = t; }
    void setPitForeColor(int pit, Colour c) override { fore.at(index(pit)) = c; }
    void setBoxBackColor(int pit, Colour c) override { back.at(index(pit)) = c; }
    void setStatusCaption(std::string_view t) override { status = t; }
    void setTimeCaption(std::string_view t) override { time = t; }
    void setPlayerCaption(int i, std::string_view t) override {
        if (i == 2)
            playerlbl2 = t;
    }
    void setTimerEnabled(bool on) override { timerOn = on; }
    void msgBox(std::string_view, int, std::string_view) override { ++messageBoxes; }
    void showAbout() override { ++aboutShown; }

private:
    static std::size_t index(int pit) {
        // A pit outside the ring would be a fault of the rules, not of the test.
        return isPitIndex(pit) ? static_cast<std::size_t>(pit) : 0;
    }
};

} // namespace kalvora::testing
