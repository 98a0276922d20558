// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command button in picture style: no caption, a picture centred on the
// raised face, and the pressed picture while the mouse button is held on it.
// Return and keypad Enter press it as Space does, as on most desktops.

#include "picture.h"

#include <QAbstractButton>

class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QString& picture, const QString& downPicture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Picture picture_;
    Picture downPicture_;
};
