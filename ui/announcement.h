// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget through which the window speaks to a screen reader.

#include <QWidget>

// A notification that a screen reader speaks each time it appears, wherever
// the focus is: over AT-SPI, Orca announces a notification that starts
// showing. One pixel wide, it takes no pointer and no focus and draws nothing.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);
    void announce(const QString& text);
};
