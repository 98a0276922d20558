// The main window as laid out at start-up: frame, controls in their places,
// looks, stacking where controls overlap, and the Tab order.

#include "form1_test_support.h"
#include "window_font.h"

#include <QScreen>

using namespace kalvora::testing;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void geometry_data();
    void geometry();
    void freeLabelsSizeToTheirText_data();
    void freeLabelsSizeToTheirText();
    void looks_data();
    void looks();
    void colours_data();
    void colours();
    void stacking_data();
    void stacking();
    void tabOrder();
    void buttons_data();
    void buttons();
};

void Form1LayoutTest::window() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Tembrel - Kalvoro 1.0"));
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
    const QList<QSize> iconSizes = form.windowIcon().availableSizes();
    // 16..48 for the title bar and the taskbar; 64..256 for dense screens and
    // launchers.
    for (int side : {16, 32, 48, 64, 128, 256})
        QVERIFY2(iconSizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

// Pixels at 15 twips each; a pit label's place counts from inside its square's
// two-pixel edge.
void Form1LayoutTest::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    const int bottomRow[] = {64, 104, 144, 184, 224, 264, 304};
    for (int i = 0; i < 7; ++i) {
        const int pit = i + 1;
        QTest::addRow("box%d", pit)
            << QStringLiteral("box%1").arg(pit) << QRect(bottomRow[i], 184, 33, 25);
    }
    const int topRow[] = {304, 264, 224, 184, 144, 104, 64};
    for (int i = 0; i < 7; ++i) {
        const int pit = i + 9;
        QTest::addRow("box%d", pit)
            << QStringLiteral("box%1").arg(pit) << QRect(topRow[i], 96, 33, 25);
    }
    QTest::newRow("box8") << "box8" << QRect(312, 128, 57, 49);
    QTest::newRow("box16") << "box16" << QRect(32, 128, 57, 49);
    for (int pit = 1; pit <= 16; ++pit) {
        if (pit == 8 || pit == 16)
            continue;
        QTest::addRow("angka%d", pit) << QStringLiteral("angka%1").arg(pit) << QRect(2, 2, 31, 20);
    }
    QTest::newRow("angka8") << "angka8" << QRect(2, 7, 55, 36);
    QTest::newRow("angka16") << "angka16" << QRect(3, 7, 55, 36);
    QTest::newRow("new1") << "new1" << QRect(24, 240, 73, 33);
    QTest::newRow("stop1") << "stop1" << QRect(104, 240, 73, 33);
    QTest::newRow("option1") << "option1" << QRect(184, 240, 65, 33);
    QTest::newRow("about1") << "about1" << QRect(256, 240, 65, 33);
    QTest::newRow("Shape1") << "Shape1" << QRect(56, 88, 289, 41);
    QTest::newRow("Shape2") << "Shape2" << QRect(56, 176, 289, 41);
    QTest::newRow("Shape3") << "Shape3" << QRect(96, 136, 209, 33);
}

void Form1LayoutTest::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    Form1 form;
    QCOMPARE(control(form, name)->geometry(), rect);
}

void Form1LayoutTest::freeLabelsSizeToTheirText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("timelbl") << "timelbl" << QPoint(168, 144);
    QTest::newRow("statuslbl") << "statuslbl" << QPoint(8, 280);
    QTest::newRow("playerlbl2") << "playerlbl2" << QPoint(104, 144);
    QTest::newRow("playerlbl1") << "playerlbl1" << QPoint(256, 144);
}

void Form1LayoutTest::freeLabelsSizeToTheirText() {
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    Form1 form;
    auto* label = control<QLabel>(form, name);
    QCOMPARE(label->pos(), topLeft);
    QVERIFY(sizedToText(label));
}

void Form1LayoutTest::looks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("centred");
    const QColor white(255, 255, 255);
    QTest::newRow("small pit") << "angka1"
                               << "00" << white << 16 << true;
    QTest::newRow("other small pit") << "angka15"
                                     << "00" << white << 16 << true;
    QTest::newRow("store 8 green") << "angka8"
                                   << "00" << QColor(0, 0xC0, 0) << 32 << true;
    QTest::newRow("store 16 light blue") << "angka16"
                                         << "00" << QColor(0x80, 0x80, 0xFF) << 32 << true;
    QTest::newRow("clock red") << "timelbl"
                               << "00:00:00" << QColor(255, 0, 0) << 13 << true;
    QTest::newRow("status blue") << "statuslbl"
                                 << "Welcome to Kalvoro 1.0" << QColor(0, 0, 255) << 13 << false;
    QTest::newRow("player 2") << "playerlbl2"
                              << "Player2" << QColor(0, 0, 0) << 11 << false;
    QTest::newRow("player 1") << "playerlbl1"
                              << "Player1" << QColor(0, 0, 0) << 11 << false;
}

void Form1LayoutTest::looks() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(int, pixelSize);
    QFETCH(bool, centred);
    Form1 form;
    auto* label = control<QLabel>(form, name);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().family(), kalvora::windowFontFamily());
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY2(!label->autoFillBackground(), "labels are transparent");
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

// Colours as drawn, read back from a picture of the whole window.
void Form1LayoutTest::colours_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QColor grey(0x80, 0x80, 0x80);
    QTest::newRow("square inside, below its label") << QPoint(64 + 5, 184 + 22) << grey;
    QTest::newRow("store inside, above its label") << QPoint(312 + 20, 128 + 4) << grey;
    QTest::newRow("square edge, dark at top left") << QPoint(64 + 1, 184 + 1) << QColor(0, 0, 0);
    QTest::newRow("square edge, white at bottom right")
        << QPoint(64 + 32, 184 + 24) << QColor(255, 255, 255);
    QTest::newRow("Shape1 light blue") << QPoint(100, 92) << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("Shape1 border") << QPoint(56, 88) << QColor(0, 0, 0);
    QTest::newRow("Shape2 green") << QPoint(100, 213) << QColor(0, 0xC0, 0);
    QTest::newRow("Shape3 light yellow") << QPoint(200, 164) << QColor(0xFF, 0xFF, 0x80);
    QTest::newRow("Shape3 border, two pixels") << QPoint(200, 137) << QColor(0, 0, 0);
}

void Form1LayoutTest::colours() {
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    Form1 form;
    const QImage picture = form.grab().toImage();
    QCOMPARE(picture.pixelColor(at), colour);
}

// The control hit at a point of the window: earlier rows of the layout lie
// over later ones, squares and buttons over shapes and free labels.
void Form1LayoutTest::stacking_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("name");
    QTest::newRow("pit label") << QPoint(81, 196) << "angka1";
    QTest::newRow("square edge outside its label") << QPoint(64, 184) << "box1";
    QTest::newRow("store band above its label") << QPoint(332, 132) << "box8";
    QTest::newRow("store label clipped by the edge") << QPoint(88, 148) << "box16";
    QTest::newRow("store label") << QPoint(60, 150) << "angka16";
    QTest::newRow("store over Shape1") << QPoint(60, 128) << "box16";
    QTest::newRow("store over Shape2") << QPoint(60, 176) << "box16";
    QTest::newRow("Shape1 between squares") << QPoint(100, 100) << "Shape1";
    QTest::newRow("Shape2 between squares") << QPoint(100, 190) << "Shape2";
    QTest::newRow("Shape3 beside the labels") << QPoint(100, 140) << "Shape3";
    QTest::newRow("clock over Shape3") << QPoint(172, 150) << "timelbl";
    QTest::newRow("Player2 over Shape3") << QPoint(108, 148) << "playerlbl2";
    QTest::newRow("Player1 over Shape3") << QPoint(260, 148) << "playerlbl1";
    QTest::newRow("new1") << QPoint(60, 256) << "new1";
    QTest::newRow("option1") << QPoint(216, 256) << "option1";
    QTest::newRow("status line") << QPoint(12, 286) << "statuslbl";
    QTest::newRow("background") << QPoint(5, 5) << "";
}

void Form1LayoutTest::stacking() {
    QFETCH(QPoint, at);
    QFETCH(QString, name);
    Form1 form;
    QWidget* hit = form.childAt(at);
    QCOMPARE(hit ? hit->objectName() : QString(), name);
}

void Form1LayoutTest::tabOrder() {
    Form1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), control(form, QStringLiteral("new1")));

    const QStringList expected{"stop1", "about1", "box1",  "box8",    "box9",  "box10", "box11",
                               "box12", "box13",  "box14", "box15",   "box2",  "box3",  "box4",
                               "box5",  "box6",   "box7",  "option1", "box16", "new1"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // A square takes the focus but no key: the board stays as it was.
    QTest::keyClick(box(form, 3), Qt::Key_Space);
    QTest::keyClick(box(form, 3), Qt::Key_Return);
    QCOMPARE(captions(form), QStringList(16, QStringLiteral("00")));
}

void Form1LayoutTest::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("new1") << "new1"
                          << "new"
                          << "Start the game !!";
    QTest::newRow("stop1") << "stop1"
                           << "stop"
                           << "Stop the game !!";
    QTest::newRow("option1") << "option1"
                             << "option"
                             << "Setting game";
    QTest::newRow("about1") << "about1"
                            << "about"
                            << "Who am I ??";
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
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QFETCH(QString, toolTip);
    Form1 form;
    auto* button = control<QAbstractButton>(form, name);
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
