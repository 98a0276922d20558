// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture of the game's resources, drawn pixel for pixel on the screen's
// own grid: the @2x drawing on a denser screen where one exists, resampled
// once to the exact device size at ratios in between (1.25, 1.5).

#include <QPixmap>
#include <QString>

class Picture {
public:
    explicit Picture(const QString& path) : path_(path) {}

    // Loaded once per density; a null pixmap if the file is missing. Its
    // device-independent size is that of the 1x drawing.
    const QPixmap& at(qreal devicePixelRatio);

private:
    QString path_;
    QPixmap pixmap_;
    qreal loadedFor_ = 0;
};
