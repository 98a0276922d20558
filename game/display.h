// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every effect the game has on the screen is one of these operations, issued
// in a fixed order. The Qt window applies them to widgets; the replay driver
// and the tests record them.

#include "colours.h"

#include <string_view>

namespace kalvora {

// msgBox's style 16: an OK button alone with the critical icon, the one kind
// of message box the game shows.
constexpr int kMsgBoxCritical = 16;

class Display {
public:
    virtual ~Display() = default;

    virtual void setPitCaption(int pit, std::string_view text) = 0;      // angka(pit).Caption
    virtual void setPitForeColor(int pit, Colour colour) = 0;            // angka(pit).ForeColor
    virtual void setBoxBackColor(int pit, Colour colour) = 0;            // box(pit).BackColor
    virtual void setStatusCaption(std::string_view text) = 0;            // statuslbl.Caption
    virtual void setTimeCaption(std::string_view text) = 0;              // timelbl.Caption
    virtual void setPlayerCaption(int index, std::string_view text) = 0; // playerlbl(index).Caption
    virtual void setTimerEnabled(bool enabled) = 0;                      // Timer1.Enabled
    // A modal message box; returns when it is dismissed.
    virtual void msgBox(std::string_view prompt, int style, std::string_view title) = 0;
    // Load frmAbout if needed and show it modeless, without an owner.
    virtual void showAbout() = 0;
};

} // namespace kalvora
