// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

#include <QAccessible>

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Told to appear again, without hiding and showing the widget, which would
// only repaint the window beneath it.
void Announcement::announce(const QString& text) {
    setAccessibleName(text);
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}
