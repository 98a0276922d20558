// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Display that writes each operation as one line of text, in the order the
// rules issue them. The replay driver and the tests read the game through it.

#include "display.h"

#include <ostream>
#include <string>

namespace kalvora {

class RecordingDisplay : public Display {
public:
    explicit RecordingDisplay(std::ostream& out) : out_(out) {}

    void setPitCaption(int pit, std::string_view text) override;
    void setPitForeColor(int pit, Colour colour) override;
    void setBoxBackColor(int pit, Colour colour) override;
    void setStatusCaption(std::string_view text) override;
    void setTimeCaption(std::string_view text) override;
    void setPlayerCaption(int index, std::string_view text) override;
    void setTimerEnabled(bool enabled) override;
    void msgBox(std::string_view prompt, int style, std::string_view title) override;
    void showAbout() override;

    // Ticks reach the clock only while the timer runs, as in the window.
    bool timerEnabled() const { return timerEnabled_; }

private:
    std::ostream& out_;
    bool timerEnabled_ = false;
};

// "808080": the six upper-case hex digits of an &HBBGGRR colour.
std::string colourHex(Colour colour);

} // namespace kalvora
