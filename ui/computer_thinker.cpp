// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_thinker.h"

#include "computer_player.h"

#include <QThread>

#include <array>

using kalvora::computer::ComputerPlayer;
using kalvora::computer::Level;

// Keeps one player for each level asked for, touched only on the thread.
class ComputerThinker::Worker : public QObject {
public:
    ComputerPlayer& player(Level level) {
        auto& slot = players_[static_cast<std::size_t>(level)];
        if (!slot)
            slot = std::make_unique<ComputerPlayer>(level);
        return *slot;
    }

private:
    std::array<std::unique_ptr<ComputerPlayer>, kalvora::computer::kLevelCount> players_;
};

ComputerThinker::ComputerThinker(QObject* parent)
    : QObject(parent), thread_(new QThread(this)), worker_(new Worker) {
    thread_->setObjectName(QStringLiteral("computer player"));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
}

// A search notices its cancel flag within 10 ms, so the wait is short.
ComputerThinker::~ComputerThinker() {
    cancel();
    if (!thread_->isRunning()) {
        delete worker_; // never moved off this thread's hands: no question was asked
        return;
    }
    thread_->quit();
    thread_->wait();
}

void ComputerThinker::think(const kalvora::Board& board, Level level) {
    cancel();
    // A game of two people never needs the thread: it starts with the first question.
    if (!thread_->isRunning())
        thread_->start(QThread::LowPriority);
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelQuestion_ = cancelled;
    const unsigned question = ++question_;
    Worker* worker = worker_;
    QMetaObject::invokeMethod(worker_, [this, worker, board, level, cancelled, question] {
        const int pit = worker->player(level).choose(board, cancelled.get()).pit;
        if (cancelled->load())
            return;
        // Posted to this object: Qt drops it if the thinker is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, pit, question] {
                if (question != question_ || !thinking())
                    return;
                cancelQuestion_.reset();
                emit answered(pit);
            },
            Qt::QueuedConnection);
    });
}

void ComputerThinker::cancel() {
    if (cancelQuestion_)
        cancelQuestion_->store(true);
    cancelQuestion_.reset();
}
