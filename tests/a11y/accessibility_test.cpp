// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told, read through Qt's accessibility layer as the
// platform bridge reads it, with no display and no session bus: the name,
// description and role of every control of both windows, a change event
// whenever a count, the status line or the clock changes, and only then.

#include "form1_test_support.h"
#include "frm_about.h"

#include <QAccessible>

#include <algorithm>

#ifdef KALVORA_HAVE_QT_PRIVATE
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace kalvora::testing;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// Controls that announced a new name, and "says: TEXT" for each notification.
QStringList renamed;
void recordNameChange(QAccessibleEvent* event) {
    const QString name = event->object() ? event->object()->objectName() : QString();
    if (event->type() == QAccessible::NameChanged && !name.isEmpty())
        renamed << name;
    else if (event->type() == QAccessible::ObjectShow &&
             event->accessibleInterface()->role() == QAccessible::Notification)
        renamed << QStringLiteral("says: ") + nameOf(event->object());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void pits_data();
    void pits();
    void buttons_data();
    void buttons();
    void freeLabelsReadAsTheirText();
    void windows();
    void changesAreAnnounced_data();
    void changesAreAnnounced();
};

// Pits 1..7 and 9..15 are numbered from 1 in their own row, in the direction
// the seeds travel.
void AccessibilityTest::pits_data() {
    QTest::addColumn<int>("pit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("countAfterStart");
    for (int i = 1; i <= 7; ++i)
        QTest::addRow("pit %d", i) << i << QStringLiteral("Player one, pit %1").arg(i) << "7";
    QTest::newRow("pit 8") << 8 << "Player one's store"
                           << "0";
    for (int i = 1; i <= 7; ++i)
        QTest::addRow("pit %d", i + 8)
            << i + 8 << QStringLiteral("Player two, pit %1").arg(i) << "7";
    QTest::newRow("pit 16") << 16 << "Player two's store"
                            << "0";
}

// A square is a panel in the window named after its pit and count, holding
// one thing, its count.
void AccessibilityTest::pits() {
    QFETCH(int, pit);
    QFETCH(QString, name);
    QFETCH(QString, countAfterStart);
    Form1 form;
    QAccessibleInterface* square = accessible(box(form, pit));
    QCOMPARE(square->text(QAccessible::Name), name + QStringLiteral(", 00 seeds"));
    QCOMPARE(square->role(), QAccessible::Grouping);
    QVERIFY(square->state().focusable);
    QVERIFY(accessible(&form)->indexOfChild(square) >= 0);
    QCOMPARE(square->parent()->object(), &form);

    QCOMPARE(square->childCount(), 1);
    QAccessibleInterface* count = square->child(0);
    QCOMPARE(count->object(), angka(form, pit));
    QCOMPARE(count->role(), QAccessible::StaticText);
    QCOMPARE(count->text(QAccessible::Name), QStringLiteral("00"));
    play(form, {QStringLiteral("new1")});
    QCOMPARE(count->text(QAccessible::Name), countAfterStart);
    QCOMPARE(square->text(QAccessible::Name), name + ", " + countAfterStart + " seeds");
    // Against the computer, the top row and store are the computer's.
    form.newGame(kalvora::Opponent::Computer);
    QCOMPARE(square->text(QAccessible::Name).startsWith(QLatin1String("Computer")), pit > 8);
}

// A picture button has no caption: it reads as the words in its picture,
// with its tooltip as the description.
void AccessibilityTest::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    for (const kalvora::layout::Control* button : kalvora::layout::kPictureButtons)
        QTest::newRow(button->name) << QString(button->words) << QString(button->toolTip);
}

void AccessibilityTest::buttons() {
    QFETCH(QString, name);
    QFETCH(QString, description);
    Form1 form;
    QAccessibleInterface* button =
        accessible(control(form, QString::fromLatin1(QTest::currentDataTag())));
    QCOMPARE(button->text(QAccessible::Name), name);
    QCOMPARE(button->text(QAccessible::Description), description);
    QCOMPARE(button->role(), QAccessible::PushButton);
    QVERIFY(button->state().focusable);
    QVERIFY(button->actionInterface());
    QVERIFY(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

void AccessibilityTest::freeLabelsReadAsTheirText() {
    Form1 form;
    QObject* status = control(form, QStringLiteral("statuslbl"));
    QObject* clock = control(form, QStringLiteral("timelbl"));
    QCOMPARE(accessible(status)->role(), QAccessible::StaticText);
    QCOMPARE(accessible(clock)->role(), QAccessible::StaticText);
    QCOMPARE(nameOf(status), QStringLiteral("Welcome to Kalvoro 1.0"));
    QCOMPARE(nameOf(clock), QStringLiteral("00:00:00"));
    play(form, {QStringLiteral("new1"), QStringLiteral("angka3")});
    QVERIFY(QMetaObject::invokeMethod(control<QTimer>(form, QStringLiteral("Timer1")), "timeout"));
    QCOMPARE(nameOf(status), QStringLiteral("Player two Turn"));
    QCOMPARE(nameOf(clock), QStringLiteral("00:00:01"));
}

// Both windows read as frames named by their captions; the about window,
// which is all picture, also reads the words drawn in it.
void AccessibilityTest::windows() {
    Form1 form;
    QAccessibleInterface* main = accessible(&form);
    QCOMPARE(main->role(), QAccessible::Window);
    QCOMPARE(main->text(QAccessible::Name), QLatin1String(kalvora::layout::kForm1.words));

    FrmAbout::showAbout();
    FrmAbout* about = FrmAbout::instance();
    QVERIFY(about);
    QAccessibleInterface* aboutWindow = accessible(about);
    QCOMPARE(aboutWindow->role(), QAccessible::Window);
    QCOMPARE(aboutWindow->text(QAccessible::Name), QStringLiteral("About Tembrel Kalvora"));
    QVERIFY(aboutWindow->text(QAccessible::Description)
                .contains(QLatin1String("Tembrel International")));
    about->close();
}

// Each row plays `before`, then records which controls announce a new name
// while `events` are played. An unchanged count stays silent; the status line
// is said after every start and move, even unchanged.
void AccessibilityTest::changesAreAnnounced_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("announced");
    auto pits = [](int first, int last) {
        QStringList names;
        for (int pit = first; pit <= last; ++pit)
            names << QStringLiteral("angka%1").arg(pit) << QStringLiteral("box%1").arg(pit);
        return names;
    };
    QTest::newRow("start: every count and the status")
        << QStringList() << QStringList{"new1"}
        << pits(1, 16) + QStringList{"statuslbl", "says: Player one Turn"};
    QTest::newRow("move from pit 3: its count, the seven it sowed, the status")
        << QStringList{"new1"} << QStringList{"angka3"}
        << pits(3, 10) + QStringList{"statuslbl", "says: Player two Turn"};
    QTest::newRow("extra turn from pit 1: the status is said again")
        << QStringList{"new1"} << QStringList{"angka1"}
        << pits(1, 8) + QStringList{"says: Player one Turn"};
    QTest::newRow("clock tick") << QStringList{"new1"} << QStringList{"tick"}
                                << QStringList{"timelbl"};
    QTest::newRow("click on the opponent's pit changes nothing")
        << QStringList{"new1"} << QStringList{"angka12"} << QStringList();
    QTest::newRow("highlight changes colours only")
        << QStringList{"new1"} << QStringList{"move3", "move12"} << QStringList();
    QTest::newRow("stop: no text changes")
        << QStringList{"new1"} << QStringList{"stop1"} << QStringList();
    // The clock keeps showing the old game's time until the new game's first tick.
    QTest::newRow("restart after a move: the moved counts and the status")
        << QStringList{"new1", "angka3", "tick"} << QStringList{"new1"}
        << pits(3, 10) + QStringList{"statuslbl", "says: Player one Turn"};
}

void AccessibilityTest::changesAreAnnounced() {
#ifndef KALVORA_HAVE_QT_PRIVATE
    QSKIP("Qt's private headers (qt6-base-private-dev) are needed to switch events on");
#else
    QFETCH(QStringList, before);
    QFETCH(QStringList, events);
    QFETCH(QStringList, announced);
    // Qt sends accessibility events only while the platform's bridge is on,
    // which a screen reader does on a desktop; here the test switches it on,
    // as Qt's own tests do, and takes the events in the bridge's place.
    QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(bridge);
    bridge->setActive(true);
    QVERIFY(QAccessible::isActive());

    Form1 form;
    auto playAll = [&form](const QStringList& list) {
        for (const QString& event : list) {
            if (event == QLatin1String("tick"))
                QVERIFY(QMetaObject::invokeMethod(control<QTimer>(form, QStringLiteral("Timer1")),
                                                  "timeout"));
            else
                play(form, {event});
        }
    };
    playAll(before);
    renamed.clear();
    QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordNameChange);
    playAll(events);
    QAccessible::installUpdateHandler(previous);
    bridge->setActive(false);

    QStringList heard = renamed;
    std::sort(heard.begin(), heard.end());
    std::sort(announced.begin(), announced.end());
    QCOMPARE(heard, announced);
#endif
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
