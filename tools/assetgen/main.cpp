// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture the game ships into OUTDIR:
//   kalvora-assetgen OUTDIR
// Everything is drawn from code with fixed seeds, so reruns give identical files.

#include "formats.h"
#include "nest.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool g_ok = true;

void report(bool written, const QString& path) {
    if (!written) {
        std::fprintf(stderr, "kalvora-assetgen: cannot write %s\n", qPrintable(path));
        g_ok = false;
    }
}

void saveBmp(const QDir& dir, const QString& stem, const QImage& at1x, const QImage& at2x) {
    const QString one = dir.filePath(stem + QStringLiteral(".bmp"));
    const QString two = dir.filePath(stem + QStringLiteral("@2x.bmp"));
    report(assetgen::writeBmp24(at1x, one), one);
    report(assetgen::writeBmp24(at2x, two), two);
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed; only fonts and the raster painter.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kalvora-assetgen OUTDIR\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kalvora-assetgen: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QString error;
    if (!assetgen::loadFonts(&error)) {
        std::fprintf(stderr, "kalvora-assetgen: %s\n", qPrintable(error));
        return 1;
    }

    saveBmp(dir, QStringLiteral("background"), assetgen::drawBackground(1),
            assetgen::drawBackground(2));
    for (const assetgen::ButtonPicture& b : assetgen::buttonPictures()) {
        const QString stem = QLatin1String(b.control.picture);
        saveBmp(dir, stem, assetgen::drawButton(b, false, 1), assetgen::drawButton(b, false, 2));
        saveBmp(dir, stem + QStringLiteral("_pressed"), assetgen::drawButton(b, true, 1),
                assetgen::drawButton(b, true, 2));
    }
    saveBmp(dir, QStringLiteral("about_picture"), assetgen::drawAboutPicture(1),
            assetgen::drawAboutPicture(2));
    saveBmp(dir, QStringLiteral("board_diagram"), assetgen::drawBoardDiagram(1),
            assetgen::drawBoardDiagram(2));

    std::vector<assetgen::PalettedImage> icons;
    for (int size : {48, 32, 16})
        icons.push_back(assetgen::quantize256(assetgen::drawNestIcon(size)));
    for (int size : {48, 32, 16})
        icons.push_back(assetgen::quantize16(assetgen::drawNestIcon(size)));
    const QString ico = dir.filePath(QStringLiteral("kalvora.ico"));
    report(assetgen::writeIco(icons, ico), ico);

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString png = dir.filePath(QStringLiteral("kalvora-%1.png").arg(size));
        report(assetgen::drawNestIcon(size).convertToFormat(QImage::Format_ARGB32).save(png, "PNG"),
               png);
    }
    return g_ok ? 0 : 1;
}
