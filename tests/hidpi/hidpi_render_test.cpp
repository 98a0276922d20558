// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as drawn on a screen of another density, given by
// QT_SCALE_FACTOR (1, 1.25, 1.5, 2; ctest runs the test once for each): the
// layout stays in logical pixels, and everything is drawn on the screen's own
// pixel grid: pictures pixel for pixel from the sharpest drawing there is,
// edges and borders as hard steps between two device pixels, never ramps.

#include "control_colours.h"
#include "form1_test_support.h"
#include "frm_about.h"
#include "picture.h"

#include <cmath>

using namespace kalvora::testing;

namespace {

// A colour of the game's as the screen shows it, opaque.
QRgb shown(kalvora::Colour colour) {
    return kalvora::toQColor(colour).rgb();
}

qreal ratio() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

int device(qreal logical) {
    return static_cast<int>(std::lround(logical * ratio()));
}

QRect device(const QRect& logical) {
    const QPoint topLeft(device(logical.left()), device(logical.top()));
    const QPoint end(device(logical.left() + logical.width()),
                     device(logical.top() + logical.height()));
    return QRect(topLeft, end - QPoint(1, 1));
}

// In device pixels, compared as plain pixels.
QImage rgb(const QImage& image) {
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(1);
    return converted;
}

QImage grabbed(QWidget* widget) {
    return rgb(widget->grab().toImage());
}

// How much fine detail a picture holds: the mean squared step between
// neighbouring pixels. Smoothing a picture up from fewer pixels lowers it.
double detail(const QImage& image) {
    double sum = 0;
    int pairs = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = qGray(image.pixel(x, y));
            const int right = qGray(image.pixel(x + 1, y));
            const int below = qGray(image.pixel(x, y + 1));
            sum += (here - right) * (here - right) + (here - below) * (here - below);
            pairs += 2;
        }
    }
    return pairs ? sum / pairs : 0;
}

// The run of device pixels met from `from` stepping by `step`, as long as
// they have one of `colours`; returns how many of each, in the order met.
QList<int> runs(const QImage& image, QPoint from, QPoint step, const QList<QRgb>& colours) {
    QList<int> counts;
    QPoint at = from;
    for (QRgb colour : colours) {
        int n = 0;
        while (image.rect().contains(at) && (image.pixel(at) | 0xFF000000) == colour) {
            ++n;
            at += step;
        }
        counts << n;
    }
    return counts;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutStaysInLogicalPixels_data();
    void layoutStaysInLogicalPixels();
    void picturesArePixelForPixel_data();
    void picturesArePixelForPixel();
    void picturesKeepTheirDetail_data();
    void picturesKeepTheirDetail();
    void squareEdgesAreHardSteps_data();
    void squareEdgesAreHardSteps();
    void bordersAreHardSteps_data();
    void bordersAreHardSteps();
    void iconAtTheScreensDensity();
};

// Qt 6 passes a fractional ratio through as it is: 1.5 stays 1.5, it is not
// rounded to 2, so the window is as large as at 1x on the same screen.
void HighDensityTest::initTestCase() {
    Form1 form;
    QCOMPARE(form.devicePixelRatioF(), ratio());
    QCOMPARE(QGuiApplication::highDpiScaleFactorRoundingPolicy(),
             Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void HighDensityTest::layoutStaysInLogicalPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("window") << "" << kalvora::layout::kClientArea.toRect();
    for (const Placement& placed : placements()) {
        if (!placed.sizesToText)
            QTest::newRow(qPrintable(placed.name)) << placed.name << placed.rect;
    }
}

void HighDensityTest::layoutStaysInLogicalPixels() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    Form1 form;
    QWidget* widget = name.isEmpty() ? &form : control(form, name);
    QCOMPARE(QRect(widget->isWindow() ? QPoint() : widget->pos(), widget->size()), rect);
    QCOMPARE(grabbed(widget).size(), QSize(device(rect.width()), device(rect.height())));
}

// Each picture appears in the window exactly as Picture gives it for the
// screen's density, not resampled again on the way; and Picture gives the
// files themselves at 1x and 2x.
void HighDensityTest::picturesArePixelForPixel_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("area"); // in the picture, logical pixels
    QTest::addColumn<QPoint>("at");  // where the picture's corner is in the control
    // The raised letters' cast shadow reaches two pixels past them, the light
    // under the pressed-in ones one pixel.
    QTest::newRow("background: the title")
        << "background"
        << "" << kalvora::layout::kTitle.adjusted(-2, -2, 2, 2) << QPoint(0, 0);
    QTest::newRow("background: the maker's name")
        << "background"
        << "" << kalvora::layout::kMakerName.adjusted(-1, -1, 1, 2) << QPoint(0, 0);
    // A 73 x 33 button centres its 70 x 30 picture one pixel in.
    for (const kalvora::layout::Control* button :
         {&kalvora::layout::kNew1, &kalvora::layout::kStop1})
        QTest::newRow(button->name) << QString(button->picture) << QString(button->name)
                                    << QRect(5, 5, 60, 20) << QPoint(1, 1);
    QTest::newRow("about window") << "about_picture"
                                  << "about" << QRect(0, 0, 200, 200) << QPoint(0, 0);
}

void HighDensityTest::picturesArePixelForPixel() {
    QFETCH(QString, picture);
    QFETCH(QString, control);
    QFETCH(QRect, area);
    QFETCH(QPoint, at);
    const QString path = QStringLiteral(":/assets/%1.bmp").arg(picture);
    const QImage expected = rgb(Picture(path).at(ratio()).toImage());
    const QSize logical = QImage(path).size();
    QCOMPARE(expected.size(), QSize(device(logical.width()), device(logical.height())));
    if (ratio() == 1)
        QCOMPARE(expected, rgb(QImage(path)));
    if (ratio() == 2)
        QCOMPARE(expected, rgb(QImage(QStringLiteral(":/assets/%1@2x.bmp").arg(picture))));

    Form1 form;
    QImage shot;
    if (control == QLatin1String("about")) {
        FrmAbout::showAbout();
        QVERIFY(FrmAbout::instance());
        shot = grabbed(FrmAbout::instance());
        FrmAbout::instance()->close();
    } else {
        shot = grabbed(control.isEmpty() ? &form : kalvora::testing::control(form, control));
    }
    const QRect inPicture = device(area);
    QCOMPARE(shot.copy(inPicture.translated(device(at.x()), device(at.y()))),
             expected.copy(inPicture));
}

// Between 1x and 2x the picture comes from the 2x drawing: it holds more
// detail than the 1x drawing smoothed up to the same size.
void HighDensityTest::picturesKeepTheirDetail_data() {
    QTest::addColumn<QString>("picture");
    QTest::newRow("background") << "background";
    QTest::newRow("new") << "new";
    QTest::newRow("about_picture") << "about_picture";
}

void HighDensityTest::picturesKeepTheirDetail() {
    QFETCH(QString, picture);
    if (ratio() == 1)
        QSKIP("at 1x the picture is the 1x drawing itself");
    const QString path = QStringLiteral(":/assets/%1.bmp").arg(picture);
    const QImage drawn = rgb(Picture(path).at(ratio()).toImage());
    const QImage upscaled =
        rgb(QImage(path).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QCOMPARE(drawn.size(), upscaled.size());
    QVERIFY2(detail(drawn) > 1.3 * detail(upscaled),
             qPrintable(QStringLiteral("detail %1, 1x smoothed up %2")
                            .arg(detail(drawn))
                            .arg(detail(upscaled))));
}

// Across a square's sunken edge, device pixel by device pixel: the band's
// colour, the outer line, the inner line, the square's grey, each a hard step
// from the next. Each logical pixel of the edge covers `ratio` device pixels,
// rounded to whole ones: never blended with its neighbour.
void HighDensityTest::squareEdgesAreHardSteps_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("from"); // logical, just outside the square
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<QList<QRgb>>("colours");
    const QRgb green = shown(kalvora::kPlayerOneColour), grey = shown(kalvora::kGrey),
               black = 0xFF000000, white = 0xFFFFFFFF, light = 0xFFC0C0C0;
    QTest::newRow("box1 left") << "box1" << QPoint(-1, 12) << QPoint(1, 0)
                               << QList<QRgb>{green, grey, black, grey};
    QTest::newRow("box1 top") << "box1" << QPoint(16, -1) << QPoint(0, 1)
                              << QList<QRgb>{green, grey, black, grey};
    QTest::newRow("box1 right") << "box1" << QPoint(33, 22) << QPoint(-1, 0)
                                << QList<QRgb>{green, white, light, grey};
    QTest::newRow("box1 bottom") << "box1" << QPoint(16, 25) << QPoint(0, -1)
                                 << QList<QRgb>{green, white, light, grey};
    QTest::newRow("box13 left") << "box13" << QPoint(-1, 12) << QPoint(1, 0)
                                << QList<QRgb>{shown(kalvora::kPlayerTwoColour), grey, black, grey};
}

void HighDensityTest::squareEdgesAreHardSteps() {
    QFETCH(QString, name);
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    QFETCH(QList<QRgb>, colours);
    Form1 form;
    const QImage shot = grabbed(&form);
    QWidget* square = control(form, name);
    const QPoint start = QPoint(device(square->x() + from.x()), device(square->y() + from.y()));
    const QList<int> counts = runs(shot, start, step, colours);
    // The band and the fill run on; the two lines of the edge are one logical
    // pixel each.
    const int least = static_cast<int>(std::floor(ratio())),
              most = static_cast<int>(std::ceil(ratio()));
    QVERIFY2(counts[0] >= 1 && counts[3] >= 3, qPrintable(QDebug::toString(counts)));
    QVERIFY2(counts[1] >= least && counts[1] <= most, qPrintable(QDebug::toString(counts)));
    QVERIFY2(counts[2] >= least && counts[2] <= most, qPrintable(QDebug::toString(counts)));
    // Just outside the band's run, next to the first pixel of the edge, the
    // band's colour: no half-tone between band and edge.
    QCOMPARE(shot.pixel(start + step * (counts[0] - 1)) | 0xFF000000, colours[0]);
}

// The shapes' borders: the bands' one-pixel line and the middle panel's
// two-pixel line, crossed where they run straight.
void HighDensityTest::bordersAreHardSteps_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("from"); // logical, inside the shape
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<qreal>("width"); // logical
    QTest::newRow("Shape1 top") << "Shape1" << QPoint(150, 3) << QPoint(0, -1)
                                << shown(kalvora::kPlayerTwoColour) << 1.0;
    QTest::newRow("Shape2 bottom")
        << "Shape2" << QPoint(150, 37) << QPoint(0, 1) << shown(kalvora::kPlayerOneColour) << 1.0;
    QTest::newRow("Shape3 top") << "Shape3" << QPoint(104, 10) << QPoint(0, -1)
                                << shown(kalvora::kPanelColour) << 2.0;
    QTest::newRow("Shape3 bottom")
        << "Shape3" << QPoint(104, 22) << QPoint(0, 1) << shown(kalvora::kPanelColour) << 2.0;
    QTest::newRow("Shape3 left") << "Shape3" << QPoint(6, 16) << QPoint(-1, 0)
                                 << shown(kalvora::kPanelColour) << 2.0;
}

void HighDensityTest::bordersAreHardSteps() {
    QFETCH(QString, name);
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    QFETCH(QRgb, fill);
    QFETCH(qreal, width);
    Form1 form;
    const QImage shot = grabbed(&form);
    QWidget* shape = control(form, name);
    const QPoint start(device(shape->x() + from.x()), device(shape->y() + from.y()));
    const QList<int> counts = runs(shot, start, step, {fill, 0xFF000000});
    QVERIFY2(counts[0] >= 1, qPrintable(QDebug::toString(counts)));
    QVERIFY2(std::abs(counts[1] - width * ratio()) < 1, qPrintable(QDebug::toString(counts)));
    // Past the border, the background: marble, light, not a grey half-tone of
    // the black line.
    const QPoint beyond = start + step * (counts[0] + counts[1]);
    QVERIFY2(qGray(shot.pixel(beyond)) > 0xC0, qPrintable(QColor(shot.pixel(beyond)).name()));
}

// The title bar's icon is drawn from an image of at least the device size.
void HighDensityTest::iconAtTheScreensDensity() {
    Form1 form;
    QVERIFY(shownWithIcon(form));
    for (int logical : {16, 32}) {
        const QPixmap icon = form.windowIcon().pixmap(QSize(logical, logical), ratio());
        QCOMPARE(icon.size(), QSize(device(logical), device(logical)));
    }
    if (ratio() == 2) {
        const QImage icon = form.windowIcon().pixmap(QSize(32, 32), 2).toImage();
        QCOMPARE(rgb(icon), rgb(QImage(QStringLiteral(":/assets/kalvora-64.png"))));
    }
}

QTEST_MAIN(HighDensityTest)
#include "hidpi_render_test.moc"
