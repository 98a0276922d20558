#include "pit_square.h"

#include "control_layout.h"

#include <QPainter>

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
    auto bevel = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    };
    bevel(outer, QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF));
    bevel(inner, QColor(0x00, 0x00, 0x00), QColor(0xC0, 0xC0, 0xC0));
}
