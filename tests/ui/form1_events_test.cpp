// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's wiring: its controls reach the rules, and what the rules
// show reaches the controls. The rules themselves are the rules' tests' work.

#include "announcement.h"
#include "application_facts.h"
#include "command_line.h"
#include "control_colours.h"
#include "control_layout.h"
#include "fixed_texts.h"
#include "form1_test_support.h"
#include "game_menu.h"
#include "game_state.h"
#include "played_games.h"
#include "test_position.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

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
QString heard(Form1& form) {
    return form.findChild<Announcement*>()->accessibleName();
}

using kalvora::Opponent;
using kalvora::computer::Level;

// "computer", "strong": as the command line and the settings file write them;
// "-" for nothing given.
QString named(std::optional<Opponent> opponent) {
    return opponent ? QString::fromLatin1(kalvora::opponentName(*opponent).data()) : "-";
}
QString named(std::optional<Level> level) {
    return level ? QString::fromLatin1(kalvora::computer::settingsOf(*level).name) : "-";
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
    void initTestCase() { setApplicationFacts(); }

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

    // The computer answers on its own, its pit sown as a click; a person's
    // click on its turn does nothing and the person's focus stays.
    void computerGame() {
        Form1 form;
        form.setPlayChoice({Opponent::Computer, Level::Beginner});
        QCOMPARE(label(form, "playerlbl2")->text(), QStringLiteral("Computer"));
        form.newGame(Opponent::Computer);
        activate(form);
        play(form, {"angka3"});
        QCOMPARE(label(form, "statuslbl")->text(), QStringLiteral("Computer Turn"));
        const QStringList afterMove = ::captions(form);
        play(form, {"angka12"});
        QCOMPARE(::captions(form), afterMove);
        box(form, 5)->setFocus();
        QTRY_VERIFY(label(form, "statuslbl")->text() != QStringLiteral("Computer Turn"));
        QVERIFY(::captions(form) != afterMove);
        QVERIFY(heard(form).startsWith("Computer sows pit ") &&
                heard(form).endsWith(label(form, "statuslbl")->text()));
        QCOMPARE(QApplication::focusWidget(), box(form, 5));
    }

    // While the master thinks (half a second): no move lands after a stop, a
    // take back or a new start, and a closed window ends at once.
    void interruptedThought_data() {
        QTest::addColumn<QString>("event");
        QTest::newRow("stop") << "stop1";
        QTest::newRow("take back") << "Ctrl+Z";
        QTest::newRow("new start") << "new1";
        QTest::newRow("close") << "close";
    }

    void interruptedThought() {
        QFETCH(QString, event);
        auto form = std::make_unique<Form1>();
        form->setPlayChoice({Opponent::Computer, Level::Master});
        form->newGame(Opponent::Computer);
        activate(*form);
        play(*form, {"angka3"});
        const QStringList afterMove = ::captions(*form);
        QElapsedTimer ending;
        if (event == QLatin1String("close")) {
            QVERIFY(form->close());
            ending.start();
            form.reset();
            QVERIFY(ending.elapsed() <
                    1000);     // a search stops within 10 ms; a busy machine is slower
            QTest::qWait(800); // a late answer would find no window
            return;
        }
        if (event.startsWith(QLatin1String("Ctrl")))
            QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        else
            play(*form, {event});
        const QStringList after = ::captions(*form);
        QTest::qWait(1200);
        QCOMPARE(::captions(*form), after);
        QCOMPARE(after, event == QLatin1String("stop1") ? afterMove : counts(kOpening));
    }

    // Every item shows its key, and a right click anywhere opens the menu.
    void contextMenu() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString items;
        for (QAction* action : form.findChild<GameMenu*>()->actions())
            items += QStringLiteral("%1%2 %3|")
                         .arg(action->isChecked() ? "* " : "", action->text(),
                              action->shortcut().toString());
        QCOMPARE(items, "New game for two players Ctrl+N|New game against the computer "
                        "Ctrl+Shift+N|Computer strength |Beginner Ctrl+1|* Casual Ctrl+2|Strong "
                        "Ctrl+3|Master Ctrl+4| |Hint H|Take back move Ctrl+Z| |How to play F1|");
        for (const char* where : {"angka3", "new1", "Shape3"}) {
            QWidget* at = control(form, QLatin1String(where));
            QCOMPARE(popupOpenedBy([&] {
                         QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                                           at->mapTo(&form, at->rect().center()));
                     }),
                     form.findChild<GameMenu*>());
        }
    }

    // --computer takes an optional level; anything else is refused with a
    // message and status 2.
    void commandLine_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("result"); // in "runs: CHOICE" or "STATUS: OUTPUT"
        const char* const rows[][2] = {
            {"", "runs: - -"},
            {"--computer", "runs: computer -"},
            {"--computer=strong", "runs: computer strong"},
            {"--two-players", "runs: two-players -"},
            {"--help", "--computer[=LEVEL]  Start a game"},
            {"-v", "0: Kalvora 1.0.0.0"},
            {"--computer=expert", "2: kalvora: unknown level 'expert' for --computer; the "
                                  "levels are beginner, casual, strong, master"},
            {"--computer strong", "2: kalvora: unexpected argument 'strong'"},
            {"--computr", "2: kalvora: Unknown option 'computr'"},
            {"--computer --two-players", "2: kalvora: choose either"},
        };
        for (const auto& row : rows)
            QTest::addRow("%s", row[0]) << QString(row[0]) << QString(row[1]);
    }

    void commandLine() {
        QFETCH(QString, arguments);
        QFETCH(QString, result);
        const CommandLine line =
            readCommandLine(("kalvora " + arguments).split(' ', Qt::SkipEmptyParts));
        const QString got = line.exitStatus
                                ? QStringLiteral("%1: %2").arg(*line.exitStatus).arg(line.output)
                                : "runs: " + named(line.opponent) + ' ' + named(line.level);
        QVERIFY2(got.contains(result), qPrintable(got));
    }

    // The settings file: whatever is wrong with it, each part falls back to
    // its default (two players, Casual) and the game goes on.
    void rememberedChoice_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("choice");
        QTest::newRow("missing") << QByteArray() << "two-players casual";
        QTest::newRow("written") << QByteArray("[General]\nopponent=computer\nstrength=master")
                                 << "computer master";
        QTest::newRow("unknown values")
            << QByteArray("[General]\nopponent=robot\nstrength=godlike") << "two-players casual";
        QTest::newRow("damaged") << QByteArray("\xff\xfe[Gen\x00eral\nopponent=computer\n=\n[[")
                                 << "two-players casual";
    }

    void rememberedChoice() {
        QFETCH(QByteArray, file);
        QFETCH(QString, choice);
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        const QString path = QSettings().fileName();
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (!file.isEmpty())
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        PlayChoice remembered = ::rememberedChoice();
        QCOMPARE(named(remembered.opponent) + ' ' + named(remembered.level), choice);
        rememberChoice({Opponent::Computer, Level::Strong}); // never fails loudly
        remembered = ::rememberedChoice();
        if (file.isEmpty())
            QCOMPARE(named(remembered.opponent) + ' ' + named(remembered.level),
                     QStringLiteral("computer strong"));
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
