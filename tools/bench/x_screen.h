// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The X server as the probe sees it, from a connection of its own: what the
// server shows, not what the program believes it drew. Each new child of the
// root gets a DAMAGE object, so every drawing into the watched window arrives
// with its rectangle and the time it was seen. Input goes through XTEST, the
// same requests xdotool sends.

#include "probe_time.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace probe {

struct Drawing {
    Time at;
    QRect area; // in window pixels
};

// "X,Y,W,H", as the options take a rectangle.
std::string rectText(const QRect& r);

class XScreen {
public:
    // Watches for the first top-level window of `windowSize` to be mapped.
    // With `verbose`, a note labelled `label` for each drawing seen.
    XScreen(QSize windowSize, const std::string& label, bool verbose);
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    xcb_window_t window() const { return window_; }
    Time mappedAt() const { return mappedAt_; }
    const std::vector<Drawing>& drawings() const { return drawings_; }
    // Where the verbose notes count their milliseconds from.
    void setOrigin(Time origin) { origin_ = origin; }

    // Handles events until `done` holds or the deadline passes; false then.
    // `wakeMs` bounds each sleep so that time-based conditions are seen.
    bool pumpUntil(Time deadline, const std::function<bool()>& done, double wakeMs = 5);
    void sleepFor(double ms);

    // Drawing that ended: nothing new on `area` (empty: anywhere) for `quietMs`.
    bool waitQuiet(const std::vector<QRect>& area, double quietMs, double timeoutMs);
    static bool touches(const QRect& r, const std::vector<QRect>& area);

    // The pointer goes there first, as a hand would bring it.
    void movePointer(QPoint inWindow);
    // Out of the window, so that no hover or tooltip is drawn.
    void parkPointer();
    // A press and release of the first button; the time it was sent.
    Time click();
    // As the close button of the window's frame would ask.
    void closeWindow();

private:
    void handle(xcb_generic_event_t* event, Time now);
    void moveRoot(QPoint p);
    xcb_atom_t atom(const char* name);

    QSize windowSize_;
    std::string label_;
    bool verbose_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    QSize rootSize_;
    std::uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, QSize> watched_; // top-level windows by their last size
    xcb_window_t window_ = 0;
    Time mappedAt_;
    Time origin_ = Clock::now();
    std::vector<Drawing> drawings_;
};

} // namespace probe
