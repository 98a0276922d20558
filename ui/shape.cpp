// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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
    // A clock tick redraws the label over Shape3: copy the smoothed outline
    // rather than fill it again. Cached only where the widget starts on a
    // whole device pixel; elsewhere a copy would land between pixels.
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    auto whole = [ratio](int logical) { return std::floor(logical * ratio) == logical * ratio; };
    if (!whole(origin.x()) || !whole(origin.y()) || !whole(width()) || !whole(height())) {
        paintRounded(painter);
        return;
    }
    const QSize pixels = size() * ratio;
    if (rounded_.size() != pixels || rounded_.devicePixelRatio() != ratio) {
        rounded_ = QPixmap(pixels);
        rounded_.setDevicePixelRatio(ratio);
        // Smoothed over what lies beneath, as a direct paint would be: over
        // a transparent copy the corners' rounding would differ by a shade.
        QPainter onCache(&rounded_);
        parentWidget()->render(&onCache, QPoint(), QRegion(geometry()),
                               QWidget::DrawWindowBackground);
        paintRounded(onCache);
    }
    painter.drawPixmap(0, 0, rounded_);
}

// Corners rounded by a sixth of the shorter side; the border lies inside.
// Only the corners are smoothed: the straight runs of the border start and
// end on whole device pixels, so they stay sharp at any screen density.
void Shape::paintRounded(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ratio = devicePixelRatioF();
    const qreal border = std::max<qreal>(1, std::round(borderWidth_ * ratio)) / ratio;
    const qreal radius = qMin(width(), height()) / 6.0;
    const qreal half = border / 2.0;
    QPainterPath outline;
    outline.addRoundedRect(onDevicePixels(rect()).adjusted(half, half, -half, -half), radius,
                           radius);
    painter.setPen(QPen(Qt::black, border));
    painter.setBrush(fill_);
    painter.drawPath(outline);
}

// A rectangle in this widget's coordinates moved to the nearest edges of
// device pixels: at a ratio such as 1.5 a logical edge can fall in the middle
// of one, where a smoothed line turns into a grey ramp.
QRectF Shape::onDevicePixels(const QRectF& logical) const {
    const qreal ratio = devicePixelRatioF();
    const QPointF origin = mapTo(window(), QPoint(0, 0));
    auto snap = [ratio](qreal at, qreal offset) {
        return std::round((at + offset) * ratio) / ratio - offset;
    };
    return QRectF(QPointF(snap(logical.left(), origin.x()), snap(logical.top(), origin.y())),
                  QPointF(snap(logical.right(), origin.x()), snap(logical.bottom(), origin.y())));
}
