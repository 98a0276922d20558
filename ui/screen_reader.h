// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told beyond each control's own text: the roles of
// the window and the squares, a square's name with its count, and the status
// line spoken after each event that changed the board, wherever the focus is.

#include "qt_display.h"

#include <QString>
#include <QWidget>

// Makes the window read as a frame, each square as a panel and an
// Announcement as a notification. Once per program, before the first window.
void installAccessibleRoles();

// "Player one, pit 3, 7 seeds": the pit's name and the count its label shows.
QString spokenPitName(int pit, const QString& count,
                      kalvora::Player secondSeat = kalvora::PlayerTwo);

// A notification that a screen reader speaks each time it appears, wherever
// the focus is: over AT-SPI, Orca announces a notification that starts
// showing. One pixel wide, it takes no pointer and no focus and draws nothing.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);
    void announce(const QString& text);
};

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
