// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_screen.h"

#include "child_program.h"

#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace probe {

std::string rectText(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + "," + std::to_string(r.width()) +
           "," + std::to_string(r.height());
}

XScreen::XScreen(QSize windowSize, const std::string& label, bool verbose)
    : windowSize_(windowSize), label_(label), verbose_(verbose) {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_))
        fail("cannot open the X display '%s'",
             std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)");
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    root_ = screen->root;
    rootSize_ = QSize(screen->width_in_pixels, screen->height_in_pixels);

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present)
        fail("the X server has no DAMAGE extension");
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                        nullptr));
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection_, &xcb_test_id);
    if (!xtest || !xtest->present)
        fail("the X server has no XTEST extension");

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

XScreen::~XScreen() {
    xcb_disconnect(connection_);
}

bool XScreen::pumpUntil(Time deadline, const std::function<bool()>& done, double wakeMs) {
    while (!done()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            handle(event, Clock::now());
            free(event);
        }
        if (xcb_connection_has_error(connection_))
            fail("the X connection broke");
        if (done())
            return true;
        failIfChildEnded();
        const Time now = Clock::now();
        if (now >= deadline)
            return false;
        const double left = std::min(msBetween(now, deadline), wakeMs);
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(std::max(1.0, left)));
    }
    return true;
}

void XScreen::sleepFor(double ms) {
    pumpUntil(
        after(Clock::now(), ms), [] { return false; }, ms);
}

bool XScreen::waitQuiet(const std::vector<QRect>& area, double quietMs, double timeoutMs) {
    const Time start = Clock::now();
    Time last = start;
    size_t seen = drawings_.size();
    return pumpUntil(after(start, timeoutMs), [&] {
        for (; seen < drawings_.size(); ++seen)
            if (touches(drawings_[seen].area, area))
                last = drawings_[seen].at;
        return msBetween(last, Clock::now()) >= quietMs;
    });
}

bool XScreen::touches(const QRect& r, const std::vector<QRect>& area) {
    return area.empty() ||
           std::any_of(area.begin(), area.end(), [&](const QRect& a) { return a.intersects(r); });
}

void XScreen::movePointer(QPoint inWindow) {
    auto* reply = xcb_translate_coordinates_reply(
        connection_,
        xcb_translate_coordinates(connection_, window_, root_, static_cast<int16_t>(inWindow.x()),
                                  static_cast<int16_t>(inWindow.y())),
        nullptr);
    if (!reply)
        fail("cannot place a point of the window on the screen");
    const QPoint onRoot(reply->dst_x, reply->dst_y);
    free(reply);
    moveRoot(onRoot);
}

void XScreen::parkPointer() {
    moveRoot(QPoint(rootSize_.width() - 1, rootSize_.height() - 1));
}

Time XScreen::click() {
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
    const Time sent = Clock::now();
    xcb_flush(connection_);
    return sent;
}

void XScreen::closeWindow() {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window_;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window_, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

void XScreen::handle(xcb_generic_event_t* event, Time now) {
    const uint8_t type = event->response_type & 0x7f;
    if (type == 0)
        return; // a damage object on a window already gone: harmless
    if (type == damageEvent_) {
        const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        if (window_ == 0 || e->drawable != window_)
            return;
        drawings_.push_back({now, QRect(e->area.x, e->area.y, e->area.width, e->area.height)});
        if (verbose_)
            std::printf("# %s: %.3f ms: drawing %s\n", label_.c_str(), msBetween(origin_, now),
                        rectText(drawings_.back().area).c_str());
        return;
    }
    switch (type) {
    case XCB_CREATE_NOTIFY: {
        const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (e->parent != root_ || e->override_redirect)
            return;
        watched_[e->window] = QSize(e->width, e->height);
        // Raw rectangles: one event per drawing, none merged or withheld.
        xcb_damage_create(connection_, xcb_generate_id(connection_), e->window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
        return;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        const auto w = watched_.find(e->window);
        if (w != watched_.end())
            w->second = QSize(e->width, e->height);
        return;
    }
    case XCB_MAP_NOTIFY: {
        const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
        const auto w = watched_.find(e->window);
        if (window_ == 0 && w != watched_.end() && w->second == windowSize_) {
            window_ = e->window;
            mappedAt_ = now;
            if (verbose_)
                std::printf("# %s: %.3f ms: window mapped\n", label_.c_str(),
                            msBetween(origin_, now));
        }
        return;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* e = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
        watched_.erase(e->window);
        return;
    }
    default:
        return;
    }
}

void XScreen::moveRoot(QPoint p) {
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                        static_cast<int16_t>(p.x()), static_cast<int16_t>(p.y()), 0);
    xcb_flush(connection_);
}

xcb_atom_t XScreen::atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!reply)
        fail("cannot intern the atom %s", name);
    const xcb_atom_t a = reply->atom;
    free(reply);
    return a;
}

} // namespace probe
