// SPDX-License-Identifier: GPL-3.0-or-later
#include "pit_square.h"

#include "bevel.h"
#include "control_colours.h"
#include "control_layout.h"

#include <QKeyEvent>

PitSquare::PitSquare(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every pixel, so a redrawn count label need not bring
    // the shapes and the background beneath the square to be painted again.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PitSquare::setBackColor(const QColor& colour) {
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

QRect PitSquare::clientRect() const {
    using kalvora::layout::kSquareEdge;
    return rect().adjusted(kSquareEdge, kSquareEdge, -kSquareEdge, -kSquareEdge);
}

// The classic client edge: shadow over dark shadow at the top left, light
// over highlight at the bottom right, one pixel each.
void PitSquare::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(clientRect(), backColor_);

    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    drawBevel(painter, outer, kalvora::toQColor(kalvora::kGrey), QColor(0xFF, 0xFF, 0xFF));
    drawBevel(painter, inner, QColor(0x00, 0x00, 0x00), QColor(0xC0, 0xC0, 0xC0));

    if (keyboardFocus_ && hasFocus()) {
        // One pixel inside the edge, where no digit reaches, black or white
        // whichever stands out from the square's colour.
        const QColor dots = qGray(backColor_.rgb()) < 128 ? Qt::white : Qt::black;
        painter.setPen(QPen(dots, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(clientRect().adjusted(1, 1, -2, -2));
    }
}

void PitSquare::focusInEvent(QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        keyboardFocus_ = true;
        emit focusedByKeyboard();
        break;
    case Qt::MouseFocusReason:
        keyboardFocus_ = false;
        break;
    default: // the window coming back keeps the focus as it came
        break;
    }
    QWidget::focusInEvent(event);
}

void PitSquare::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key is one move, as a held mouse button is one click.
        if (!event->isAutoRepeat())
            emit pressed();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowPressed(static_cast<Qt::Key>(event->key()));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
