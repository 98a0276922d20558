// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_server.h"

#include <QGuiApplication>

bool runsOnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool runsOnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}
