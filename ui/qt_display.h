// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Applies each display operation of the rules to the widget it names.

#include "display.h"
#include "vocabulary.h"

#include <array>

class AutoSizeLabel;
class PitLabel;
class PitSquare;
class QTimer;
class QWidget;

class QtDisplay : public kalvora::Display {
public:
    struct Controls {
        std::array<PitSquare*, kalvora::kPitCount> box{};  // box(1..16) at [slot(pit)]
        std::array<PitLabel*, kalvora::kPitCount> angka{}; // angka(1..16) at [slot(pit)]
        AutoSizeLabel* statuslbl = nullptr;
        AutoSizeLabel* timelbl = nullptr;
        std::array<AutoSizeLabel*, 2> playerlbl{}; // playerlbl(1..2) at [index - 1]
        QTimer* Timer1 = nullptr;
        QWidget* window = nullptr; // owner of the message boxes
    };

    explicit QtDisplay(const Controls& controls) : controls_(controls) {}

    void setPitCaption(int pit, std::string_view text) override;
    void setPitForeColor(int pit, kalvora::Colour colour) override;
    void setBoxBackColor(int pit, kalvora::Colour colour) override;
    void setStatusCaption(std::string_view text) override;
    void setTimeCaption(std::string_view text) override;
    void setPlayerCaption(int index, std::string_view text) override;
    void setTimerEnabled(bool enabled) override;
    void msgBox(std::string_view prompt, int style, std::string_view title) override;
    void showAbout() override;

private:
    Controls controls_;
};
