#include "shape.h"

#include <QPainter>
#include <QPainterPath>

Shape::Shape(Kind kind, const QColor& fill, int borderWidth, QWidget* parent)
    : QWidget(parent), kind_(kind), fill_(fill), borderWidth_(borderWidth) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (kind_ == Kind::Rectangle) {
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_),
                         fill_);
        return;
    }
    // Corners rounded by a sixth of the shorter side; the border lies inside.
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = qMin(width(), height()) / 6.0;
    const qreal half = borderWidth_ / 2.0;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), radius, radius);
    painter.setPen(QPen(Qt::black, borderWidth_));
    painter.setBrush(fill_);
    painter.drawPath(outline);
}
