// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_font.h"

#include <QFontDatabase>

#include <cmath>

namespace kalvora {

namespace {

QString firstInstalledFamily() {
    static const char* const kPreferred[] = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
    for (const char* family : kPreferred) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family)))
            return QString::fromLatin1(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

// Chosen once: each hasFamily() runs fontconfig's substitution again, and the
// window asks for its font about twenty times while it is built.
QString windowFontFamily() {
    static const QString family = firstInstalledFamily();
    return family;
}

QFont windowFont(double points) {
    QFont font(windowFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(true);
    return font;
}

} // namespace kalvora
