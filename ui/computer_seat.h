// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the computer's turns in the window and finds hints: asks the
// thinker, shows the chosen pit for a moment, then sows it through the same
// procedure as a click. Every step checks that the game is still where it
// was asked about, so a stop, a new start or a take back drops it.

#include "board.h"
#include "levels.h"

#include <QObject>

#include <functional>

class ComputerThinker;
class QTimer;

namespace kalvora {
class Form1Procedures;
} // namespace kalvora

class ComputerSeat : public QObject {
    Q_OBJECT

public:
    // Runs an event procedure as the window does for its controls.
    using Forward = std::function<void(const std::function<void(kalvora::Form1Procedures&)>&)>;

    ComputerSeat(const kalvora::Form1Procedures& procedures, Forward forward, QObject* parent);

    kalvora::computer::Level level() const { return level_; }
    void setLevel(kalvora::computer::Level level) { level_ = level; }

    // After every event: drops a question the event made stale and starts
    // the computer's turn when it is due.
    void playIfDue();
    void askHint();
    // Drops whatever is thought or shown.
    void stop();

    // How long the computer's pit stays highlighted before it is sown.
    static constexpr int kShowMs = 500;

signals:
    void moved(const QString& spoken); // before the sowing is shown
    void hintShown(int pit);

private:
    enum class Question { None, Move, Hint };
    void answered(int pit);
    void sowShownPit();
    bool stillAsked() const;

    const kalvora::Form1Procedures& procedures_;
    Forward forward_;
    ComputerThinker* thinker_;
    QTimer* showTimer_;
    kalvora::computer::Level level_ = kalvora::computer::Level::Casual;
    Question question_ = Question::None;
    kalvora::Board askedAbout_;
    int shownPit_ = 0;
};
