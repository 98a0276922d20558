// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which display server the application talks to, as Qt's platform plugin
// names it. Neither holds on Qt's offscreen platform, which the tests use.

// Whether the application runs on a Wayland compositor (Qt's "wayland" or
// "wayland-egl" platform), not through X11.
bool runsOnWayland();

// Whether the application runs on an X11 server (Qt's "xcb" platform).
bool runsOnX11();
