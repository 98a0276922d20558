// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard alone: keys on a square do what the mouse does over its label
// (a twin window played with the mouse is the reference), arrows go where the
// squares lie, a focus frame only where a key brought the focus, F1's rules.

#include "form1_test_support.h"

#include "announcement.h"

#include <QDialog>
#include <QMenu>

using namespace kalvora::testing;

namespace {

// Every colour and text the game shows.
QStringList looks(Form1& form) {
    QStringList all{control<QLabel>(form, QStringLiteral("statuslbl"))->text()};
    for (int pit = 1; pit <= 16; ++pit)
        all << angka(form, pit)->text() << box(form, pit)->backColor().name()
            << angka(form, pit)->palette().color(QPalette::WindowText).name();
    return all;
}

// What a fresh window shows after `events`: the mouse events of play()
// ("new1", "angka3", "move3") or keys as QKeySequence spells them.
QStringList played(const QStringList& events) {
    Form1 form;
    activate(form);
    for (const QString& event : events) {
        const QKeyCombination key = QKeySequence(event)[0];
        if (event.startsWith(QLatin1String("move")) || form.findChild<QObject*>(event))
            play(form, {event});
        else
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    return looks(form);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void keysPlayAsTheMouse_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("mouse");
        const QStringList toPit1{"Space", "Tab", "Tab", "Tab"}; // from new1
        QTest::newRow("Space on new1, then Tab and Shift+Tab through the squares")
            << toPit1 + QStringList{"Tab", "Tab", "Shift+Tab"}
            << QStringList{"new1", "move1", "move8", "move9", "move8"};
        QTest::newRow("Return, keypad Enter and Space sow the pit with the focus")
            << toPit1 + QStringList{"Return", "Right", "Num+Enter", "Up", "Space"}
            << QStringList{"new1", "move1", "angka1", "move2", "angka2", "move14", "angka14"};
        QTest::newRow("Return and keypad Enter press the focused button, as Space does")
            << QStringList{"Return", "Tab", "Num+Enter", "Tab", "Tab", "Return"}
            << QStringList{"new1", "stop1", "move1", "angka1"};
        QTest::newRow("an arrow from a square the mouse focused")
            << QStringList{"Space", "angka3", "Right"} << QStringList{"new1", "angka3", "move4"};
    }

    void keysPlayAsTheMouse() {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, mouse);
        QCOMPARE(played(keys), played(mouse));
    }

    // As the squares lie on screen; an arrow never leaves the board.
    void arrows_data() {
        QTest::addColumn<int>("pit");
        QTest::addColumn<QList<int>>("leftRightUpDown");
        for (int p = 1; p <= 7; ++p)
            QTest::addRow("pit %d", p) << p << QList<int>{p == 1 ? 16 : p - 1, p + 1, 16 - p, p};
        for (int p = 9; p <= 15; ++p)
            QTest::addRow("pit %d", p) << p << QList<int>{p + 1, p - 1, p, 16 - p};
        QTest::newRow("store 8") << 8 << QList<int>{7, 8, 9, 7};
        QTest::newRow("store 16") << 16 << QList<int>{16, 15, 15, 1};
    }

    void arrows() {
        QFETCH(int, pit);
        QFETCH(QList<int>, leftRightUpDown);
        Form1 form;
        activate(form);
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        for (int i = 0; i < 4; ++i) {
            box(form, pit)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box(form, pit), keys[i]);
            QCOMPARE(QApplication::focusWidget(), box(form, leftRightUpDown[i]));
        }
    }

    // As the web's :focus-visible: a square a click on its label focused
    // looks exactly as an unfocused one.
    void focusFrameOnlyFromTheKeyboard() {
        Form1 form;
        activate(form);
        const QImage unfocused = box(form, 1)->grab().toImage();
        play(form, {"angka1"}); // focuses the square
        QCOMPARE(box(form, 1)->grab().toImage(), unfocused);
        QTest::keyClick(box(form, 1), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(box(form, 1)->grab().toImage() != unfocused);
    }

    // H lights strong's pit and brings the focus there, for Space to sow it;
    // the reader hears which pit. Nothing moves.
    void hint() {
        Form1 form;
        activate(form);
        play(form, {"new1"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
        QTRY_VERIFY(qobject_cast<PitSquare*>(QApplication::focusWidget()));
        const int pit = QApplication::focusWidget()->objectName().mid(3).toInt();
        QVERIFY(pit >= 1 && pit <= 7);
        QCOMPARE(box(form, pit)->backColor(), QColor(Qt::white));
        QCOMPARE(form.findChild<Announcement*>()->accessibleName(),
                 QStringLiteral("Hint: Player one, pit %1").arg(pit));
        QCOMPARE(::captions(form).join(' '), QStringLiteral("7 7 7 7 7 7 7 0 7 7 7 7 7 7 7 0"));
    }

    // The menu opens from the keyboard too, where the focus is.
    void menuKeys() {
        Form1 form;
        activate(form);
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)})
            QCOMPARE(popupOpenedBy([&] {
                         QTest::keyClick(form.windowHandle(), key.key(), key.keyboardModifiers());
                     }),
                     form.findChild<QMenu*>(QStringLiteral("gameMenu")));
    }

    // One window at a time, with the board's picture, closed by Escape or
    // Return; the game goes on behind it untouched.
    void howToPlay() {
        Form1 form;
        activate(form);
        play(form, {"new1", "move3"});
        const QStringList before = looks(form);
        for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_Return}) {
            for (int twice = 0; twice < 2; ++twice) { // the second brings it forward
                activate(form);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            }
            QCOMPARE(form.findChildren<QDialog*>().size(), 1);
            auto* help = form.findChild<QDialog*>();
            QTRY_COMPARE(QApplication::activeWindow(), help);
            QCOMPARE(help->windowTitle(), QStringLiteral("How to play Kalvora"));
            QVERIFY(!help->findChild<QLabel*>()->pixmap().isNull()); // the board
            QTest::keyClick(help, close);
            QVERIFY(!help->isVisible());
        }
        QVERIFY(control<QTimer>(form, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(looks(form), before);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
