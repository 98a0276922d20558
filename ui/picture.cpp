#include "picture.h"

const QPixmap& Picture::at(qreal devicePixelRatio) {
    if (devicePixelRatio == loadedFor_)
        return pixmap_;
    loadedFor_ = devicePixelRatio;
    if (devicePixelRatio > 1.0) {
        QString sharp = path_;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        // The reader takes the ratio 2 from the "@2x" in the name.
        if (pixmap_.load(sharp))
            return pixmap_;
    }
    pixmap_.load(path_);
    return pixmap_;
}
