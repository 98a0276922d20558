// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: one picture, no frame, closed by a click or a character
// key. At most one exists; the about command loads it if needed and shows it.

#include "picture.h"

#include <QWidget>

class FrmAbout : public QWidget {
    Q_OBJECT

public:
    // Load (if not loaded) and Show, modeless and without an owner.
    static void showAbout();
    // The loaded about window, or nullptr when none is open.
    static FrmAbout* instance();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmAbout();
    void unload();

    Picture picture_;
};
