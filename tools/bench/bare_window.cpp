// SPDX-License-Identifier: GPL-3.0-or-later
// The floor Kalvora is measured against: the least a Qt Widgets program does
// to show a window of the same size, a program of its own so that nothing of
// the probe loads with it. Plain, it is an empty 400 x 300 window. --label
// shows one label in the clock's place, family, pixel size and weight: the
// fair start-up floor, since an empty window never sets up fonts at all.
// --clock adds a label rewritten by a one-second timer where Kalvora's clock
// sits and a click counter; --silent-clock runs the timer and shows nothing.

#include "bench.h"
#include "control_layout.h"
#include "fixed_texts.h"
#include "window_font.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>

namespace {

class ClickCounter : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    // Kalvora moves on the release, so the floor counts on the release too.
    void mouseReleaseEvent(QMouseEvent*) override { setNum(++clicks_); }

private:
    int clicks_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc > 2 || !QStringList{"", "--label", "--clock", "--silent-clock"}.contains(mode)) {
        std::fprintf(stderr, "kalvora-bare-window: expected --label, --clock or --silent-clock\n");
        return 2;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(400, 300);
    if (mode == "--label") {
        auto* time = new QLabel(QString::fromLatin1(kalvora::text::kInitialClock), &window);
        time->setFont(kalvora::windowFont(kalvora::layout::kTimeAndStatusPoints));
        time->move(kalvora::layout::kTimelbl.toRect().topLeft());
        time->adjustSize();
    }
    auto* timer = new QTimer(&window);
    if (mode == "--clock") {
        auto* time = new QLabel(QStringLiteral("00:00:00"), &window);
        time->setGeometry(kalvora::layout::kTimelbl.toRect());
        (new ClickCounter(QStringLiteral("0"), &window))->setGeometry(bench::kBareClickCounter);
        QObject::connect(timer, &QTimer::timeout, time, [time, seconds = 0]() mutable {
            time->setText(QTime(0, 0).addSecs(++seconds).toString(QStringLiteral("hh:mm:ss")));
        });
    } else if (mode == "--silent-clock") {
        QObject::connect(
            timer, &QTimer::timeout, &window, [unseen = QString(), seconds = 0]() mutable {
                unseen = QTime(0, 0).addSecs(++seconds).toString(QStringLiteral("hh:mm:ss"));
            });
    }
    if (mode.endsWith(QLatin1String("clock")))
        timer->start(1000);
    window.show();
    return QApplication::exec();
}
