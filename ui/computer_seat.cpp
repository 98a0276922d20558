// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_seat.h"

#include "computer_thinker.h"
#include "form1_procedures.h"
#include "spoken_news.h"

#include <QTimer>

using kalvora::Form1Procedures;
using kalvora::computer::Level;

ComputerSeat::ComputerSeat(const Form1Procedures& procedures, Forward forward, QObject* parent)
    : QObject(parent), procedures_(procedures), forward_(std::move(forward)),
      thinker_(new ComputerThinker(this)), showTimer_(new QTimer(this)) {
    showTimer_->setSingleShot(true);
    showTimer_->setInterval(kShowMs);
    connect(thinker_, &ComputerThinker::answered, this, &ComputerSeat::answered);
    connect(showTimer_, &QTimer::timeout, this, &ComputerSeat::sowShownPit);
}

// A stop, a new start or a take back leaves the question asked about a game
// that is no more: it is dropped here, after that event.
void ComputerSeat::playIfDue() {
    if (question_ != Question::None && !stillAsked())
        stop();
    if (!procedures_.computerToMove() || question_ == Question::Move)
        return;
    stop();
    question_ = Question::Move;
    askedAbout_ = kalvora::boardOf(procedures_.state());
    thinker_->think(askedAbout_, level_);
}

// The hint is what the strong level would play.
void ComputerSeat::askHint() {
    if (!procedures_.hintAvailable() || question_ != Question::None)
        return;
    question_ = Question::Hint;
    askedAbout_ = kalvora::boardOf(procedures_.state());
    thinker_->think(askedAbout_, Level::Strong);
}

void ComputerSeat::stop() {
    thinker_->cancel();
    showTimer_->stop();
    question_ = Question::None;
}

bool ComputerSeat::stillAsked() const {
    const kalvora::Board now = kalvora::boardOf(procedures_.state());
    return now.seeds == askedAbout_.seeds && now.toMove == askedAbout_.toMove &&
           (question_ == Question::Move ? procedures_.computerToMove()
                                        : procedures_.hintAvailable());
}

void ComputerSeat::answered(int pit) {
    const Question question = question_;
    if (!stillAsked() || pit == 0) {
        question_ = Question::None;
        return;
    }
    if (question == Question::Hint) {
        question_ = Question::None;
        bool shown = false;
        forward_([pit, &shown](Form1Procedures& p) { shown = p.showHint(pit); });
        if (shown)
            emit hintShown(pit);
        return;
    }
    shownPit_ = pit;
    forward_([pit](Form1Procedures& p) { p.computerShows(pit); });
    showTimer_->start();
}

void ComputerSeat::sowShownPit() {
    const bool due = stillAsked();
    question_ = Question::None;
    if (!due)
        return;
    const int pit = shownPit_;
    const int seeds = procedures_.state().pits(pit);
    forward_([this, pit, seeds](Form1Procedures& p) {
        p.computerSows(pit);
        emit moved(QString::fromStdString(kalvora::computerMoveText(pit, seeds, p.lastSowing())));
    });
}
