// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include <QImageReader>
#include <QPixmap>

QIcon programIcon() {
    QIcon icon;
    const auto add = [&icon](const QString& path, const char* format) {
        QImageReader file(path, format);
        // Told the format and not to guess, the reader loads that one image
        // plugin, or none for PNG; QIcon::addFile would load every plugin
        // installed to ask each whether it reads the file.
        file.setAutoDetectImageFormat(false);
        // The icon file holds its 256 colour images first; the 16 colour
        // ones of the same sizes that follow are left undecoded (addPixmap
        // would let them replace the others).
        do {
            if (icon.availableSizes().contains(file.size()))
                break;
            icon.addPixmap(QPixmap::fromImage(file.read()));
        } while (file.jumpToNextImage());
    };
    add(QStringLiteral(":/assets/kalvora.ico"), "ico");
    add(QStringLiteral(":/assets/kalvora-64.png"), "png");
    return icon;
}
