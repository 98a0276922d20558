// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the game's windows whole under a Wayland compositor. Qt 6.4 holds
// every size the compositor configures to the window's size limits, even a
// maximized size, which the protocol makes binding: the compositor then ends
// the connection, and the game with it. The guard takes the limits off each
// native window and keeps them itself: a window maximized or made full screen
// beyond its limits takes the size it is given and asks at once to be
// restored; any other size beyond them is put back inside.

#include <QObject>

class WaylandSizeGuard : public QObject {
public:
    // Watches every window of the application where it runs on Wayland.
    static void installIfWayland();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WaylandSizeGuard(QObject* parent) : QObject(parent) {}
};
