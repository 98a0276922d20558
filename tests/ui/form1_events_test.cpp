// The main window played through its controls: moves with their counts and
// status line, the pit highlight, the clock, the settings message and the
// end of the program on a run-time error.

#include "form1_test_support.h"
#include "frm_about.h"
#include "game_state.h"
#include "test_position.h"

#include <algorithm>

using namespace kalvora::testing;

namespace {

const QString kWelcome = QStringLiteral("Welcome to Kalvoro 1.0");
const QString kPlayerOneTurn = QStringLiteral("Player one Turn");
const QString kPlayerTwoTurn = QStringLiteral("Player two Turn");

QStringList counts(std::initializer_list<int> pits) {
    QStringList texts;
    for (int count : pits)
        texts << QString::number(count);
    return texts;
}

const QStringList kOpening = counts({7, 7, 7, 7, 7, 7, 7, 0, 7, 7, 7, 7, 7, 7, 7, 0});
const QStringList kAtLoad(16, QStringLiteral("00"));

QTimer* timer1(Form1& form) {
    return control<QTimer>(form, QStringLiteral("Timer1"));
}
QLabel* label(Form1& form, const char* name) {
    return control<QLabel>(form, QLatin1String(name));
}

} // namespace

class Form1EventsTest : public QObject {
    Q_OBJECT

private slots:
    void game_data();
    void game();
    void gameEndsWithTheWinner();
    void doubleClickIsOneMove();
    void clickOnASquaresEdgeDoesNothing();
    void highlight_data();
    void highlight();
    void clock_data();
    void clock();
    void statusLineSizesItselfFromItsLeftEdge();
    void settingsMessage();
    void aboutWindow();
    void runTimeErrorEndsTheProgram();
};

void Form1EventsTest::game_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("clockRuns");
    QTest::newRow("at load") << QStringList() << kAtLoad << kWelcome << false;
    QTest::newRow("pit clicked before the first start")
        << QStringList{"angka1", "angka9"} << kAtLoad << kWelcome << false;
    QTest::newRow("start") << QStringList{"new1"} << kOpening << kPlayerOneTurn << true;
    QTest::newRow("last seed in own store: player one again")
        << QStringList{"new1", "angka1"} << counts({0, 8, 8, 8, 8, 8, 8, 1, 7, 7, 7, 7, 7, 7, 7, 0})
        << kPlayerOneTurn << true;
    QTest::newRow("turn passes") << QStringList{"new1", "angka3"}
                                 << counts({7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0})
                                 << kPlayerTwoTurn << true;
    QTest::newRow("capture of the opposite pit")
        << QStringList{"new1", "angka1", "angka2", "angka9", "angka1"}
        << counts({0, 0, 9, 9, 9, 9, 9, 11, 0, 9, 8, 8, 8, 0, 8, 1}) << kPlayerTwoTurn << true;
    QTest::newRow("opponent's row and stores ignored")
        << QStringList{"new1", "angka9", "angka8", "angka16"} << kOpening << kPlayerOneTurn << true;
    QTest::newRow("stop locks the board")
        << QStringList{"new1", "angka3", "stop1", "angka9"}
        << counts({7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0}) << kPlayerTwoTurn << false;
    QTest::newRow("a start discards the running game")
        << QStringList{"new1", "angka3", "new1"} << kOpening << kPlayerOneTurn << true;
}

void Form1EventsTest::game() {
    QFETCH(QStringList, events);
    QFETCH(QStringList, captions);
    QFETCH(QString, status);
    QFETCH(bool, clockRuns);
    Form1 form;
    play(form, events);
    QCOMPARE(::captions(form), captions);
    QCOMPARE(label(form, "statuslbl")->text(), status);
    QCOMPARE(timer1(form)->isActive(), clockRuns);
}

void Form1EventsTest::gameEndsWithTheWinner() {
    Form1 form;
    play(form, {"new1"});
    kalvora::TestPosition position;
    position.pits = {0, 0, 0, 0, 0, 1, 0, 50, 0, 0, 0, 0, 0, 0, 0, 47};
    kalvora::applyTestPosition(form.gameState(), position);

    play(form, {"angka6"});
    QCOMPARE(::captions(form), counts({0, 0, 0, 0, 0, 0, 0, 51, 0, 0, 0, 0, 0, 0, 0, 47}));
    QCOMPARE(label(form, "statuslbl")->text(), QStringLiteral("The Winner is...Player one"));
    QVERIFY(!timer1(form)->isActive());
}

// The second press of a double click is not a click. It matters only for a
// pit that still holds seeds after its own move: 23 seeds go round the ring,
// one back into the pit, and end in player one's store.
void Form1EventsTest::doubleClickIsOneMove() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    play(form, {"new1"});
    kalvora::TestPosition position;
    position.pits = {23, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0};
    kalvora::applyTestPosition(form.gameState(), position);

    QWidget* pit1 = angka(form, 1);
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                       pit1->mapTo(&form, pit1->rect().center()));
    QCOMPARE(::captions(form), counts({1, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 1}));
    QCOMPARE(label(form, "statuslbl")->text(), kPlayerOneTurn);
}

// Only the labels answer: a click where a square's edge shows (clicked
// through the window, so whatever lies in front at that point gets it) is
// no move, and the pointer there moves no highlight.
void Form1EventsTest::clickOnASquaresEdgeDoesNothing() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    play(form, {"new1", "move5"});
    for (const QPoint edge : {QPoint(145, 185), QPoint(176, 195), QPoint(330, 131)}) {
        QTest::mouseMove(form.windowHandle(), edge);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, edge);
    }
    QCOMPARE(::captions(form), kOpening);
    QCOMPARE(box(form, 5)->backColor(), QColor(Qt::white));
}

// "moveN" brings the pointer onto pit N's label through the window, so the
// pointer reaches whatever lies in front at that point.
void Form1EventsTest::highlight_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("highlighted"); // 0: none
    QTest::newRow("before the first start") << QStringList{"move3"} << 0;
    QTest::newRow("none right after a start") << QStringList{"new1"} << 0;
    QTest::newRow("follows the pointer") << QStringList{"new1", "move3", "move5"} << 5;
    QTest::newRow("opponent's row") << QStringList{"new1", "move12"} << 12;
    QTest::newRow("own store") << QStringList{"new1", "move8"} << 8;
    QTest::newRow("not the store of the player waiting")
        << QStringList{"new1", "move3", "move16"} << 3;
    QTest::newRow("player two: store 8 skipped, 16 taken")
        << QStringList{"new1", "angka3", "move8"} << 0;
    QTest::newRow("player two's own store") << QStringList{"new1", "angka3", "move16"} << 16;
    QTest::newRow("survives a move") << QStringList{"new1", "move3", "angka3"} << 3;
    QTest::newRow("stays after a stop") << QStringList{"new1", "move4", "stop1", "move5"} << 4;
    QTest::newRow("a start clears it") << QStringList{"new1", "move4", "new1"} << 0;
}

void Form1EventsTest::highlight() {
    QFETCH(QStringList, events);
    QFETCH(int, highlighted);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    play(form, events);
    for (int pit = 1; pit <= 16; ++pit) {
        const bool lit = pit == highlighted;
        QCOMPARE(box(form, pit)->backColor(), lit ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
        const QColor text = angka(form, pit)->palette().color(QPalette::WindowText);
        QCOMPARE(text == QColor(Qt::black), lit);
    }
    if (highlighted) {
        const QImage square = box(form, highlighted)->grab().toImage();
        QCOMPARE(square.pixelColor(4, square.height() - 3), QColor(Qt::white));
    }
}

void Form1EventsTest::clock_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("text");
    QTest::newRow("first tick") << 1 << "00:00:01";
    QTest::newRow("a minute") << 60 << "00:01:00";
    QTest::newRow("an hour, a minute and a second") << 3661 << "01:01:01";
}

// The ticks go through Timer1's own signal, as the event loop would deliver them.
void Form1EventsTest::clock() {
    QFETCH(int, ticks);
    QFETCH(QString, text);
    Form1 form;
    play(form, {"new1"});
    QCOMPARE(timer1(form)->interval(), 1000);
    for (int i = 0; i < ticks; ++i)
        QVERIFY(QMetaObject::invokeMethod(timer1(form), "timeout"));
    auto* timelbl = label(form, "timelbl");
    QCOMPARE(timelbl->text(), text);
    QCOMPARE(timelbl->pos(), QPoint(168, 144));
    QVERIFY(sizedToText(timelbl));

    // Stopped, the clock keeps its time; a new game starts it from zero.
    play(form, {"stop1"});
    QVERIFY(!timer1(form)->isActive());
    play(form, {"new1"});
    QCOMPARE(timelbl->text(), text);
    QVERIFY(QMetaObject::invokeMethod(timer1(form), "timeout"));
    QCOMPARE(timelbl->text(), QStringLiteral("00:00:01"));
}

void Form1EventsTest::statusLineSizesItselfFromItsLeftEdge() {
    Form1 form;
    auto* statuslbl = label(form, "statuslbl");
    const int welcomeWidth = statuslbl->width();
    play(form, {"new1"});
    QCOMPARE(statuslbl->text(), kPlayerOneTurn);
    QCOMPARE(statuslbl->pos(), QPoint(8, 280));
    QVERIFY(sizedToText(statuslbl));
    QVERIFY(statuslbl->width() < welcomeWidth);
}

void Form1EventsTest::settingsMessage() {
    Form1 form;
    play(form, {"new1", "angka3"});
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModalBoxOpens([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
    });
    play(form, {"option1"});
    QCOMPARE(title, QStringLiteral("Sorry..."));
    QCOMPARE(text, QStringLiteral("Sorry, masih dalam proyek !!"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The game goes on where it was.
    QCOMPARE(label(form, "statuslbl")->text(), kPlayerTwoTurn);
    QCOMPARE(::captions(form), counts({7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0}));
    QVERIFY(timer1(form)->isActive());
}

void Form1EventsTest::aboutWindow() {
    Form1 form;
    play(form, {"about1", "about1"});
    QVERIFY(FrmAbout::instance());
    QVERIFY(FrmAbout::instance()->isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<FrmAbout*>(w) != nullptr; }),
             1);
    FrmAbout::instance()->close();
}

// A run-time error inside an event procedure never reaches the event loop: a
// message names it and the program ends with a non-zero status.
void Form1EventsTest::runTimeErrorEndsTheProgram() {
    Form1 form;
    play(form, {"new1"});
    kalvora::TestPosition position;
    position.pits = {1, 32767, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    kalvora::applyTestPosition(form.gameState(), position);

    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalBoxOpens([&](QMessageBox* box) {
        text = box->text();
        icon = box->icon();
    });
    QTimer::singleShot(0, &form, [&form] { play(form, {"angka1"}); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(10000);
    QCOMPARE(QCoreApplication::exec(), 1);
    QCOMPARE(text, QStringLiteral("Run-time error '6': Overflow"));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(!timer1(form)->isActive());
}

QTEST_MAIN(Form1EventsTest)
#include "form1_events_test.moc"
