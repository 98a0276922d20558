// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "bitmap_reader.h"

#include <QImage>

#include <cmath>
#include <utility>

const QPixmap& Picture::at(qreal devicePixelRatio) {
    if (devicePixelRatio == loadedFor_)
        return pixmap_;
    loadedFor_ = devicePixelRatio;
    QImage image;
    if (devicePixelRatio > 1.0) {
        QString sharp = path_;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        image = readBitmap(sharp);
        image.setDevicePixelRatio(2.0);
    }
    if (image.isNull())
        image = readBitmap(path_);
    // Left to the painter, a picture at another ratio would be resampled
    // pixel by pixel on every paint, dropping or doubling rows of the
    // lettering; resampled here once, it is then drawn one to one.
    if (!image.isNull() && image.devicePixelRatio() != devicePixelRatio) {
        const QSizeF logical = image.deviceIndependentSize();
        const QSize device(static_cast<int>(std::lround(logical.width() * devicePixelRatio)),
                           static_cast<int>(std::lround(logical.height() * devicePixelRatio)));
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(devicePixelRatio);
    }
    // Handed over, the image becomes the pixmap without another copy.
    pixmap_ = QPixmap::fromImage(std::move(image));
    return pixmap_;
}
