// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's wiring: its controls reach the rules, and what the rules
// show reaches the controls. The rules themselves are the rules' tests' work.

#include "control_colours.h"
#include "control_layout.h"
#include "form1_test_support.h"
#include "game_state.h"
#include "played_games.h"
#include "test_position.h"

#include <algorithm>

using namespace kalvora::testing;
namespace layout = kalvora::layout;

namespace {

QStringList counts(const Pits& pits) {
    QStringList texts;
    for (int count : pits)
        texts << QString::number(count);
    return texts;
}

QTimer* timer1(Form1& form) {
    return control<QTimer>(form, QStringLiteral("Timer1"));
}
QLabel* label(Form1& form, const char* name) {
    return control<QLabel>(form, QLatin1String(name));
}

// Puts a position on the board of a started game.
void place(Form1& form, const Pits& pits) {
    play(form, {"new1"});
    kalvora::TestPosition position;
    std::copy(pits.begin(), pits.end(), position.pits.begin());
    kalvora::applyTestPosition(form.gameState(), position);
}

} // namespace

class Form1EventsTest : public QObject {
    Q_OBJECT

private slots:
    // The second press of a double click is not a click. It matters only for a
    // pit that still holds seeds after its own move: 23 seeds go round the ring,
    // one back into the pit, and end in player one's store.
    void doubleClickIsOneMove() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        place(form, {23, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0});

        QWidget* pit1 = angka(form, 1);
        QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                           pit1->mapTo(&form, pit1->rect().center()));
        QCOMPARE(::captions(form), counts({1, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 1}));
    }

    // Only the labels answer: a click where a square's edge shows (clicked
    // through the window, so whatever lies in front at that point gets it) is
    // no move, and the pointer there moves no highlight.
    void clickOnASquaresEdgeDoesNothing() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        play(form, {"new1", "move5"});
        const QRect box3 = layout::kBoxes[2].toRect();
        const QRect box8 = layout::kBoxes[7].toRect();
        for (const QPoint edge :
             {box3.topLeft() + QPoint(1, 1), QPoint(box3.right(), box3.center().y()),
              QPoint(box8.center().x(), box8.top() + layout::kSquareEdge + 1)}) {
            QTest::mouseMove(form.windowHandle(), edge);
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, edge);
        }
        QCOMPARE(::captions(form), counts(kOpening));
        QCOMPARE(box(form, 5)->backColor(), kalvora::toQColor(kalvora::kHighlightBack));
    }

    void game_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("clockRuns");
        QTest::newRow("start") << QStringList{"new1"} << counts(kOpening) << 1 << true;
        QTest::newRow("stop") << QStringList{"new1", "stop1"} << counts(kOpening) << 1 << false;
        // An extra turn, a passed turn and a capture, clicked on both rows.
        for (const PlayedGame& game : {kPlayedGames[0], kPlayedGames[1], kPlayedGames[2]}) {
            QStringList events{"new1"};
            for (int pit : game.clicks)
                events << QStringLiteral("angka%1").arg(pit);
            QTest::newRow(game.rule) << events << counts(game.pits) << int(game.turn) << true;
        }
    }

    void game() {
        QFETCH(QStringList, events);
        QFETCH(QStringList, captions);
        QFETCH(int, turn);
        QFETCH(bool, clockRuns);
        Form1 form;
        play(form, events);
        QCOMPARE(::captions(form), captions);
        QCOMPARE(label(form, "statuslbl")->text(),
                 QString::fromStdString(form.gameState().playerNames(turn) + " Turn"));
        QCOMPARE(timer1(form)->isActive(), clockRuns);
    }

    // "moveN" brings the pointer onto pit N's label through the window, so the
    // pointer reaches whatever lies in front at that point.
    void highlight_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("highlighted");
        QTest::newRow("follows the pointer") << QStringList{"new1", "move3", "move5"} << 5;
        QTest::newRow("top row") << QStringList{"new1", "move12"} << 12;
        QTest::newRow("store 8") << QStringList{"new1", "move8"} << 8;
        QTest::newRow("store 16") << QStringList{"new1", "angka3", "move16"} << 16;
        QTest::newRow("a new count keeps it") << QStringList{"new1", "move3", "angka3"} << 3;
    }

    void highlight() {
        QFETCH(QStringList, events);
        QFETCH(int, highlighted);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        play(form, events);
        for (int pit = 1; pit <= kalvora::kPitCount; ++pit) {
            const bool lit = pit == highlighted;
            QCOMPARE(box(form, pit)->backColor(),
                     kalvora::toQColor(lit ? kalvora::kHighlightBack : kalvora::kNormalBack));
            QCOMPARE(angka(form, pit)->palette().color(QPalette::WindowText),
                     kalvora::toQColor(lit ? kalvora::kHighlightFore : kalvora::kNormalFore));
        }
        const QImage square = box(form, highlighted)->grab().toImage();
        QCOMPARE(square.pixelColor(4, square.height() - 3),
                 kalvora::toQColor(kalvora::kHighlightBack));
    }

    // The tick goes through Timer1's own signal, as the event loop delivers it.
    void clock() {
        Form1 form;
        play(form, {"new1"});
        QVERIFY(QMetaObject::invokeMethod(timer1(form), "timeout"));
        auto* timelbl = label(form, "timelbl");
        QCOMPARE(timelbl->text(), QStringLiteral("00:00:01"));
        QCOMPARE(timelbl->pos(), layout::kTimelbl.toRect().topLeft());
        QVERIFY(sizedToText(timelbl));
    }

    void statusLineSizesItselfFromItsLeftEdge() {
        Form1 form;
        auto* statuslbl = label(form, "statuslbl");
        const int welcomeWidth = statuslbl->width();
        play(form, {"new1"});
        QCOMPARE(statuslbl->pos(), layout::kStatuslbl.toRect().topLeft());
        QVERIFY(sizedToText(statuslbl));
        QVERIFY(statuslbl->width() < welcomeWidth);
    }

    // The one style the game issues: the critical icon and an OK button.
    void settingsMessage() {
        Form1 form;
        play(form, {"new1"});
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
        QCOMPARE(title, QLatin1String(kalvora::text::kSettingsTitle));
        QCOMPARE(text, QLatin1String(kalvora::text::kSettingsPrompt));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(timer1(form)->isActive()); // the game goes on
    }

    // A run-time error inside an event procedure never reaches the event loop: a
    // message names it and the program ends with a non-zero status.
    void runTimeErrorEndsTheProgram() {
        Form1 form;
        place(form, {1, 32767, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0});

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
        QCOMPARE(text, QString::fromLatin1(kalvora::overflowError().what()));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!timer1(form)->isActive());
    }
};

QTEST_MAIN(Form1EventsTest)
#include "form1_events_test.moc"
