#pragma once
// A picture of the game's resources, with its @2x drawing used on a screen
// of twice the density (or more) where one exists.

#include <QPixmap>
#include <QString>

class Picture {
public:
    explicit Picture(const QString& path) : path_(path) {}

    // Loaded once per density; a null pixmap if the file is missing.
    const QPixmap& at(qreal devicePixelRatio);

private:
    QString path_;
    QPixmap pixmap_;
    qreal loadedFor_ = 0;
};
