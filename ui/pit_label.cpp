// SPDX-License-Identifier: GPL-3.0-or-later
#include "pit_label.h"

#include <QMouseEvent>

PitLabel::PitLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void PitLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void PitLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool over = mask().isEmpty() ? rect().contains(event->position().toPoint())
                                       : mask().contains(event->position().toPoint());
    const bool click = pressed_ && over;
    pressed_ = false;
    if (click)
        emit clicked();
}

// The second press of a double click is a double click, not another click:
// a quick double click on a pit makes one move, not two.
void PitLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void PitLabel::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        emit moved();
}
