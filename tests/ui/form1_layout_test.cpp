// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out at start-up: the conversion from twips, every
// control where the layout puts it and inside the window, overlaps only
// where the layout means them, stacking and Tab order, frame and looks.

#include "auto_size_label.h"
#include "control_colours.h"
#include "form1_test_support.h"
#include "window_font.h"

#include <QImageReader>
#include <QScreen>

#include <algorithm>

using namespace kalvora::testing;
namespace layout = kalvora::layout;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void conversions();
    void boardArrangement();
    void placedAsLaidOut_data();
    void placedAsLaidOut();
    void everythingInsideTheWindow();
    void overlapsOnlyWhereLaidOut();
    void looks_data();
    void looks();
    void tabOrder();
    void buttons_data();
    void buttons();
};

void Form1LayoutTest::window() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QLatin1String(layout::kForm1.words));
    QCOMPARE(form.size(), QSize(400, 300));
    QCOMPARE(form.minimumSize(), QSize(400, 300));
    QCOMPARE(form.maximumSize(), QSize(400, 300));
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    QVERIFY((form.geometry().center() - screenCentre).manhattanLength() <= 2);
    QVERIFY(!control<QTimer>(form, QStringLiteral("Timer1"))->isActive());
    QCOMPARE(control<QTimer>(form, QStringLiteral("Timer1"))->interval(), 1000);
    QVERIFY(shownWithIcon(form));
    // 16..48 for the title bar and the taskbar, in the icon file's 256
    // colours rather than its 16 (its third image is the 16 pixel one); 64
    // for a title bar on a 2x screen.
    QList<QSize> iconSizes = form.windowIcon().availableSizes();
    std::sort(iconSizes.begin(), iconSizes.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(iconSizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    QImageReader file(QStringLiteral(":/assets/kalvora.ico"));
    QVERIFY(file.jumpToImage(2));
    QCOMPARE(form.windowIcon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32),
             file.read().convertToFormat(QImage::Format_ARGB32));
}

// Twips and points become whole pixels, rounded to the nearest: 7 twips are
// 0.47 of a pixel, 8 twips 0.53; 12 points are 16 pixels at 96 dots per inch.
void Form1LayoutTest::conversions() {
    const std::pair<int, int> twipsToPixels[] = {{0, 0}, {7, 0}, {8, 1}, {22, 1}, {23, 2}};
    for (const auto& [twips, pixels] : twipsToPixels)
        QCOMPARE(layout::toPixels(twips), pixels);
    QCOMPARE((layout::Twips{15, 30, 45, 60}.toRect()), QRect(1, 2, 3, 4));
    const std::pair<double, int> pointsToPixels[] = {{12, 16}, {24, 32}, {9.75, 13}, {8.25, 11}};
    for (const auto& [points, pixels] : pointsToPixels)
        QCOMPARE(kalvora::windowFont(points).pixelSize(), pixels);
}

// Pit i of the bottom row (1..7, left to right) stands directly below pit
// 16 - i of the top row, in evenly spaced columns; the stores stand at the
// ends, centred between the rows.
void Form1LayoutTest::boardArrangement() {
    auto square = [](int pit) { return layout::kBoxes[kalvora::slot(pit)]; };
    const int column = square(2).left - square(1).left;
    for (int pit = 1; pit <= 7; ++pit) {
        const layout::Twips below = square(pit), above = square(kalvora::kPitCount - pit);
        QCOMPARE(below.left, above.left);
        QCOMPARE(below.top, square(1).top);
        QVERIFY(above.top + above.height < below.top);
        QCOMPARE(below.left, square(1).left + (pit - 1) * column);
        QVERIFY(square(kalvora::kPlayerTwoStore).left < below.left);
        QVERIFY(square(kalvora::kPlayerOneStore).left + square(kalvora::kPlayerOneStore).width >
                below.left + below.width);
    }
    const int rowsTop = square(9).top, rowsBottom = square(1).top + square(1).height;
    for (int store : {kalvora::kPlayerOneStore, kalvora::kPlayerTwoStore})
        QCOMPARE(2 * square(store).top + square(store).height, rowsTop + rowsBottom);
}

void Form1LayoutTest::placedAsLaidOut_data() {
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("sizesToText");
    for (const Placement& placed : placements())
        QTest::newRow(qPrintable(placed.name)) << placed.rect << placed.sizesToText;
}

void Form1LayoutTest::placedAsLaidOut() {
    QFETCH(QRect, rect);
    QFETCH(bool, sizesToText);
    Form1 form;
    QWidget* placed = control(form, QString::fromLatin1(QTest::currentDataTag()));
    if (!sizesToText) {
        QCOMPARE(placed->geometry(), rect);
        return;
    }
    QCOMPARE(placed->pos(), rect.topLeft());
    QVERIFY(sizedToText(qobject_cast<QLabel*>(placed)));
}

// A pit label shows only inside its square's edge, as a window's children
// are clipped to its client area: where it juts out, a mask cuts it back.
void Form1LayoutTest::everythingInsideTheWindow() {
    Form1 form;
    for (QWidget* placed : form.findChildren<QWidget*>()) {
        const QRect inWindow(placed->mapTo(&form, QPoint(0, 0)), placed->size());
        QVERIFY2(form.rect().contains(inWindow), qPrintable(placed->objectName()));
    }
    for (int pit = 1; pit <= kalvora::kPitCount; ++pit) {
        PitLabel* label = angka(form, pit);
        QCOMPARE(label->parentWidget(), box(form, pit));
        const QRegion shown = label->mask().isEmpty() ? QRegion(label->rect()) : label->mask();
        QCOMPARE(shown.translated(label->pos()),
                 QRegion(label->geometry().intersected(box(form, pit)->clientRect())));
    }
}

// The squares lie over the bands behind the rows, and the free labels over
// the middle panel; nothing else overlaps.
void Form1LayoutTest::overlapsOnlyWhereLaidOut() {
    Form1 form;
    QWidgetList controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* child) { return child->isWindow(); }); // the menu
    auto meant = [](const QWidget* back, const QWidget* front) {
        const QString under = back->objectName();
        if (qobject_cast<const PitSquare*>(front))
            return under == QLatin1String("Shape1") || under == QLatin1String("Shape2");
        return qobject_cast<const AutoSizeLabel*>(front) && under == QLatin1String("Shape3");
    };
    int overlaps = 0;
    for (int back = 0; back < controls.size(); ++back) {
        for (int front = back + 1; front < controls.size(); ++front) {
            if (!controls[back]->geometry().intersects(controls[front]->geometry()))
                continue;
            ++overlaps;
            QVERIFY2(meant(controls[back], controls[front]),
                     qPrintable(controls[front]->objectName() + QStringLiteral(" over ") +
                                controls[back]->objectName()));
        }
    }
    QVERIFY(overlaps > 0);
}

void Form1LayoutTest::looks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("centred");
    using kalvora::toQColor;
    const QString count = QStringLiteral("00");
    QTest::newRow("angka1") << count << toQColor(kalvora::kWhite) << layout::kSmallPitPoints
                            << true;
    QTest::newRow("angka15") << count << toQColor(kalvora::kWhite) << layout::kSmallPitPoints
                             << true;
    QTest::newRow("angka8") << count << toQColor(kalvora::kPlayerOneColour) << layout::kStorePoints
                            << true;
    QTest::newRow("angka16") << count << toQColor(kalvora::kPlayerTwoColour) << layout::kStorePoints
                             << true;
    QTest::newRow("timelbl") << "00:00:00" << toQColor(kalvora::kClockColour)
                             << layout::kTimeAndStatusPoints << true;
    QTest::newRow("statuslbl") << "Welcome to Kalvoro 1.0" << toQColor(kalvora::kStatusColour)
                               << layout::kTimeAndStatusPoints << false;
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("playerlbl2") << "Player2" << buttonText << layout::kPlayerLabelPoints << false;
    QTest::newRow("playerlbl1") << "Player1" << buttonText << layout::kPlayerLabelPoints << false;
}

void Form1LayoutTest::looks() {
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(double, points);
    QFETCH(bool, centred);
    Form1 form;
    auto* label = control<QLabel>(form, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font(), kalvora::windowFont(points));
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY2(!label->autoFillBackground(), "labels are transparent");
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

// The Tab key visits the controls that take the focus in the order they are
// stacked, from the back: the buttons in front of no square, the squares
// behind option1, option1 itself, then the square in front of everything.
void Form1LayoutTest::tabOrder() {
    Form1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), control(form, QStringLiteral("new1")));

    QStringList stacked;
    for (QWidget* placed : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (placed->focusPolicy() & Qt::TabFocus)
            stacked << placed->objectName();
    }
    QStringList expected{"new1", "stop1", "about1"};
    for (int pit : layout::kSquaresBehindOption1)
        expected << QStringLiteral("box%1").arg(pit);
    expected << QStringLiteral("option1") << QStringLiteral("box%1").arg(layout::kFrontSquare);
    QCOMPARE(stacked, expected);

    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected.mid(1) << expected.first());

    // A square takes the focus but no key: the board stays as it was.
    QTest::keyClick(box(form, 3), Qt::Key_Space);
    QTest::keyClick(box(form, 3), Qt::Key_Return);
    QCOMPARE(captions(form), QStringList(16, QStringLiteral("00")));
}

void Form1LayoutTest::buttons_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("toolTip");
    for (const layout::Control* button : layout::kPictureButtons)
        QTest::newRow(button->name) << QString(button->picture) << QString(button->toolTip);
}

// The middle of `picture` appears centred on `face`, or one pixel down and to
// the right as on a pressed button.
static bool showsPicture(const QImage& face, const QString& picture) {
    const QImage drawn = face.convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(QStringLiteral(":/assets/%1.bmp").arg(picture))
                                .convertToFormat(QImage::Format_RGB32);
    const QRect middle(expected.width() / 2 - 20, expected.height() / 2 - 8, 40, 16);
    const QPoint origin((drawn.width() - expected.width()) / 2,
                        (drawn.height() - expected.height()) / 2);
    for (const QPoint shift : {QPoint(0, 0), QPoint(1, 1)}) {
        if (drawn.copy(middle.translated(origin + shift)) == expected.copy(middle))
            return true;
    }
    return false;
}

void Form1LayoutTest::buttons() {
    QFETCH(QString, picture);
    QFETCH(QString, toolTip);
    Form1 form;
    auto* button = control<QAbstractButton>(form, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->text().isEmpty());
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    QVERIFY(showsPicture(button->grab().toImage(), picture));

    // Held down it shows the pressed picture; released outside it, the
    // normal one again, and no click.
    int clicks = 0;
    connect(button, &QAbstractButton::clicked, this, [&clicks] { ++clicks; });
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(showsPicture(button->grab().toImage(), picture + QStringLiteral("_pressed")));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(showsPicture(button->grab().toImage(), picture));
    QCOMPARE(clicks, 0);
}

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
