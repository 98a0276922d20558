// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's display as a screen reader hears it.

#include "qt_display.h"

#include <QString>

class Announcement;

// The window's display, and news for the screen reader: every count it
// writes renames its square, and finishEvent() announces the status line if
// the event wrote a count or the status, so a move, a start and an end are
// each heard once and a clock tick never.
class SpokenDisplay : public QtDisplay {
public:
    SpokenDisplay(const Controls& controls, Announcement* announcement);

    void setPitCaption(int pit, std::string_view text) override;
    void setStatusCaption(std::string_view text) override;
    // The second seat's label names who sits there, and so who owns its pits.
    void setPlayerCaption(int index, std::string_view text) override;
    void finishEvent();
    // Spoken before the status line at the end of this event.
    void leadNextNewsWith(const QString& text);
    // Spoken at once, as the status line is.
    void say(const QString& text);

private:
    std::array<PitSquare*, kalvora::kPitCount> box_;
    std::array<PitLabel*, kalvora::kPitCount> angka_;
    kalvora::Player secondSeat_ = kalvora::PlayerTwo;
    AutoSizeLabel* statuslbl_;
    Announcement* announcement_;
    bool news_ = false;
    QString leadIn_;
};
