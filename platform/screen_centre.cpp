// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_centre.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window, const QScreen* screen) {
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
