#include "pit_square.h"

#include "bevel.h"
#include "control_layout.h"

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
    drawBevel(painter, outer, QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF));
    drawBevel(painter, inner, QColor(0x00, 0x00, 0x00), QColor(0xC0, 0xC0, 0xC0));
}
