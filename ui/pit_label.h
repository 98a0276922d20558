// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// angka(i): the transparent count label inside a pit's square. It is the only
// part of a pit that answers the mouse.

#include <QLabel>

class PitLabel : public QLabel {
    Q_OBJECT

public:
    explicit PitLabel(QWidget* parent = nullptr);

signals:
    void moved();   // the pointer moved over the label with no button held
    void clicked(); // left button pressed and released on the label

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
