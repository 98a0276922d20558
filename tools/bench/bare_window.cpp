// SPDX-License-Identifier: GPL-3.0-or-later
// The floor Kalvora is measured against: the least a Qt Widgets program does
// to show a window of the same size. Plain, it is an empty 400 x 300 window.
// With --clock it also carries what a fair clock and click floor needs: a
// label rewritten by a one-second QTimer where Kalvora's clock sits, and a
// label whose number goes up on each click released over it. With
// --silent-clock the timer runs and formats the time but shows nothing: the
// cost of waking up once a second, below any drawing. With --label it shows
// one label in the clock's place, family, pixel size and weight: the fair
// start-up floor, since an empty window never sets up fonts at all.

#include "control_layout.h"
#include "fixed_texts.h"
#include "window_font.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// Kalvora's clock label, and a click counter the size of the inside of a
// small pit, in window pixels; tools/bench/run.sh clicks and watches there.
constexpr QRect kClockLabel = kalvora::layout::kTimelbl.toRect();
constexpr QRect kClickLabel(130, 186, 29, 21);

class ClickCounter : public QLabel {
public:
    explicit ClickCounter(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    // Kalvora moves on the release, so the floor counts on the release too.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            setNum(++clicks_);
    }

private:
    int clicks_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    bool clock = false;
    bool silent = false;
    bool label = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--clock") == 0) {
            clock = true;
        } else if (std::strcmp(argv[i], "--silent-clock") == 0) {
            silent = true;
        } else if (std::strcmp(argv[i], "--label") == 0) {
            label = true;
        } else {
            std::fprintf(stderr,
                         "kalvora-bare-window: argument %d: unknown option '%s' "
                         "(--clock, --silent-clock or --label)\n",
                         i, argv[i]);
            return 2;
        }
    }

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(kWidth, kHeight);

    if (clock) {
        auto* time = new QLabel(QStringLiteral("00:00:00"), &window);
        time->setGeometry(kClockLabel);
        auto* counter = new ClickCounter(&window);
        counter->setGeometry(kClickLabel);

        auto* timer = new QTimer(&window);
        timer->setInterval(1000);
        QObject::connect(timer, &QTimer::timeout, time, [time, seconds = 0]() mutable {
            time->setText(QTime(0, 0).addSecs(++seconds).toString(QStringLiteral("hh:mm:ss")));
        });
        timer->start();
    }

    if (label) {
        auto* time = new QLabel(QString::fromLatin1(kalvora::text::kInitialClock), &window);
        time->setFont(kalvora::windowFont(kalvora::layout::kTimeAndStatusPoints));
        time->move(kClockLabel.topLeft());
        time->adjustSize();
    }

    if (silent) {
        auto* timer = new QTimer(&window);
        timer->setInterval(1000);
        QObject::connect(
            timer, &QTimer::timeout, &window, [unseen = QString(), seconds = 0]() mutable {
                unseen = QTime(0, 0).addSecs(++seconds).toString(QStringLiteral("hh:mm:ss"));
            });
        timer->start();
    }

    window.show();
    return QApplication::exec();
}
