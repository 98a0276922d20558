// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include "bevel.h"
#include "control_colours.h"

#include <QKeyEvent>

namespace {

// Hands `event` to `handle`, with Return and keypad Enter turned into Space.
template <typename Handle> void withReturnAsSpace(QKeyEvent* event, Handle handle) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return handle(event);
    QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                    event->isAutoRepeat());
    handle(&space);
    event->setAccepted(space.isAccepted());
}

} // namespace

PictureButton::PictureButton(const QString& picture, const QString& downPicture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture), downPicture_(downPicture) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    withReturnAsSpace(event, [this](QKeyEvent* key) { QAbstractButton::keyPressEvent(key); });
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) {
    withReturnAsSpace(event, [this](QKeyEvent* key) { QAbstractButton::keyReleaseEvent(key); });
}

// The classic push button: a raised bevel, sunk while pressed, with a black
// frame round the button that has the focus and a dotted rectangle inside it.
void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor shadow = kalvora::toQColor(kalvora::kGrey);
    painter.fillRect(rect(), face);

    const bool down = isDown();
    const QPixmap& pixmap = (down ? downPicture_ : picture_).at(devicePixelRatioF());
    if (!pixmap.isNull()) {
        const QSize size = pixmap.deviceIndependentSize().toSize();
        QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
        if (down)
            at += QPoint(1, 1);
        painter.drawPixmap(at, pixmap);
    }

    QRect edge = rect();
    if (hasFocus() || down) {
        drawBevel(painter, edge, Qt::black, Qt::black);
        edge.adjust(1, 1, -1, -1);
    }
    if (down) {
        drawBevel(painter, edge, shadow, shadow);
    } else {
        drawBevel(painter, edge, Qt::white, Qt::black);
        drawBevel(painter, edge.adjusted(1, 1, -1, -1), face, shadow);
    }

    if (hasFocus()) {
        QPen dots(Qt::black, 1, Qt::DotLine);
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
