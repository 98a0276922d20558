// The about window: one at a time, closed by a click or a character key,
// modeless over a running game, and keeping the program alive on its own.

#include "application_facts.h"
#include "form1.h"
#include "frm_about.h"
#include "kalvora_version.h"
#include "window_lifetime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

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
    // counts as one even when the main window has gone first.
    void outlivesTheMainWindowClosedFirst() {
        int quits = 0;
        WindowLifetime lifetime([&quits] { ++quits; });
        qApp->installEventFilter(&lifetime);
        auto* form = new Form1;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        FrmAbout* about = openOne();
        QVERIFY(about);
        form->close();
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        QVERIFY(about->isVisible());
        QTest::mouseClick(about, Qt::LeftButton);
        QTRY_COMPARE(quits, 1);
    }

    void endsWhenTheMainWindowClosesAlone() {
        int quits = 0;
        WindowLifetime lifetime([&quits] { ++quits; });
        qApp->installEventFilter(&lifetime);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
        QTRY_COMPARE(quits, 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "about_window_test.moc"
