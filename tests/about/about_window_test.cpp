// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: one at a time, closed by a click or a character key,
// modeless over a running game, and keeping the program alive on its own.

#include "application_facts.h"
#include "form1.h"
#include "frm_about.h"
#include "kalvora_version.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {

// Counts the application's requests to quit and swallows them.
struct QuitCounter : QObject {
    QuitCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        ++count;
        return true;
    }
    int count = 0;
};

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private:
    static int openAboutWindows() {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FrmAbout*>(w) && w->isVisible())
                ++count;
        return count;
    }
    static FrmAbout* openOne() {
        FrmAbout::showAbout();
        FrmAbout* about = FrmAbout::instance();
        if (about && !QTest::qWaitForWindowExposed(about))
            return nullptr;
        return about;
    }

private slots:
    void cleanup() {
        if (FrmAbout* about = FrmAbout::instance())
            about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void versionFactsReachTheApplication() {
        setApplicationFacts();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kalvora"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Tembrel International"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
        QCOMPARE(QString::fromLatin1(kalvora::version::kVersionString), QStringLiteral("1.00"));
        QCOMPARE(QString::fromLatin1(kalvora::version::kInternalName),
                 QStringLiteral("Qor Kalvora"));
    }

    void looksAsDrawn() {
        FrmAbout* about = openOne();
        QVERIFY(about);
        QCOMPARE(about->size(), QSize(201, 201));
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tembrel Kalvora"));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(about->windowFlags() & Qt::Tool); // no taskbar button
        const QImage shot = about->grab().toImage();
        const QColor face = about->palette().color(QPalette::Button);
        QCOMPARE(shot.pixelColor(200, 100), face); // the strip beside the picture
        QCOMPARE(shot.pixelColor(100, 200), face);
        QVERIFY(shot.pixelColor(100, 100) != face); // the picture itself
    }

    void opensOnlyOnce() {
        FrmAbout* first = openOne();
        FrmAbout::showAbout();
        QCOMPARE(FrmAbout::instance(), first);
        QCOMPARE(openAboutWindows(), 1);
    }

    void closesOnAClickAnywhere_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("picture") << QPoint(100, 100);
        QTest::newRow("strip on the right") << QPoint(200, 50);
        QTest::newRow("strip at the bottom") << QPoint(50, 200);
    }
    void closesOnAClickAnywhere() {
        QFETCH(QPoint, at);
        FrmAbout* about = openOne();
        QVERIFY(about);
        QTest::mouseClick(about, Qt::LeftButton, {}, at);
        QCOMPARE(FrmAbout::instance(), nullptr);
        QCOMPARE(openAboutWindows(), 0);
    }

    void answersKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
        QTest::newRow("letter") << int(Qt::Key_K) << true;
        QTest::newRow("digit") << int(Qt::Key_7) << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << false;
        QTest::newRow("function key") << int(Qt::Key_F1) << false;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << false;
        QTest::newRow("Alt alone") << int(Qt::Key_Alt) << false;
    }
    void answersKeys() {
        QFETCH(int, key);
        QFETCH(bool, closes);
        FrmAbout* about = openOne();
        QVERIFY(about);
        QTest::keyClick(about, Qt::Key(key));
        QCOMPARE(FrmAbout::instance() == nullptr, closes);
    }

    void leavesARunningGameAndItsClockGoing() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* new1 = form.findChild<QAbstractButton*>(QStringLiteral("new1"));
        auto* about1 = form.findChild<QAbstractButton*>(QStringLiteral("about1"));
        auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* timelbl = form.findChild<QLabel*>(QStringLiteral("timelbl"));
        QVERIFY(new1 && about1 && timer && timelbl);
        new1->click();
        about1->click();
        QVERIFY(FrmAbout::instance());
        QVERIFY(!FrmAbout::instance()->isModal());
        QVERIFY(timer->isActive());
        // The real one-second timer keeps ticking behind the about window.
        QTRY_COMPARE_WITH_TIMEOUT(timelbl->text(), QStringLiteral("00:00:01"), 5000);
        QTest::mouseClick(FrmAbout::instance(), Qt::LeftButton);
        QVERIFY(timer->isActive());
    }

    // The program ends when its last window closes, and the about window
    // counts as one even when the main window has gone first. Qt's own rule
    // decides, and only while the event loop runs: the steps run inside it,
    // and each request to quit is counted instead of obeyed.
    void quitsWhenItsLastWindowCloses_data() {
        QTest::addColumn<bool>("aboutOpen");
        QTest::newRow("main window alone") << false;
        QTest::newRow("about window open, closed after the main window") << true;
    }
    void quitsWhenItsLastWindowCloses() {
        QFETCH(bool, aboutOpen);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (aboutOpen)
            QVERIFY(openOne());
        QuitCounter quits;
        int quitsWithMainClosed = -1;
        QTimer::singleShot(0, &form, [&] {
            form.close();
            QTimer::singleShot(0, &form, [&] {
                quitsWithMainClosed = quits.count;
                if (FrmAbout* about = FrmAbout::instance())
                    QTest::mouseClick(about, Qt::LeftButton);
                QTimer::singleShot(0, &form, [] { QCoreApplication::exit(0); });
            });
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quitsWithMainClosed, aboutOpen ? 0 : 1);
        QCOMPARE(quits.count, 1);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
