// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shape1..3: a plain rectangle or a rounded one, filled, with a black border
// drawn inside its bounds. It answers nothing.

#include <QPixmap>
#include <QWidget>

class Shape : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle };

    Shape(Kind kind, const QColor& fill, int borderWidth, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintRounded(QPainter& painter) const;
    QRectF onDevicePixels(const QRectF& logical) const;

    Kind kind_;
    QColor fill_;
    int borderWidth_;
    QPixmap rounded_; // the smoothed outline, drawn once per size and density
};
