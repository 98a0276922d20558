// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// box(i): a square filled with its background colour inside a sunken edge.
// It takes the focus in its turn; the mouse reaches the pit through the label
// inside it, the keyboard through the square.

#include <QWidget>

class PitSquare : public QWidget {
    Q_OBJECT

public:
    explicit PitSquare(QWidget* parent = nullptr);

    void setBackColor(const QColor& colour);
    QColor backColor() const { return backColor_; }
    // The area inside the edge, where the square's children are placed.
    QRect clientRect() const;

signals:
    void focusedByKeyboard();       // Tab, Shift+Tab or an arrow brought the focus here
    void pressed();                 // Space or Return while focused
    void arrowPressed(Qt::Key key); // an arrow key while focused

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor backColor_;
    // As the web's :focus-visible: a frame only for a focus the keyboard
    // brought, so that a mouse player sees the square as it always was.
    bool keyboardFocus_ = false;
};
