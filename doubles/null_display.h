// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Display that shows nothing: for running the rules where only their
// effect on the game state matters, such as benchmarks and move pickers.

#include "display.h"

namespace kalvora {

class NullDisplay : public Display {
public:
    void setPitCaption(int, std::string_view) override {}
    void setPitForeColor(int, Colour) override {}
    void setBoxBackColor(int, Colour) override {}
    void setStatusCaption(std::string_view) override {}
    void setTimeCaption(std::string_view) override {}
    void setPlayerCaption(int, std::string_view) override {}
    void setTimerEnabled(bool) override {}
    void msgBox(std::string_view, int, std::string_view) override {}
    void showAbout() override {}
};

} // namespace kalvora
