// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the computer player's search on a thread of its own, so that the
// window answers while it thinks. One question at a time: a new question,
// cancel() or the thinker's end stops the one before, and its answer is
// never delivered.

#include "board.h"
#include "levels.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

class ComputerThinker : public QObject {
    Q_OBJECT

public:
    explicit ComputerThinker(QObject* parent = nullptr);
    ~ComputerThinker() override;

    // Asks which pit `level` would sow on `board`; answered() brings it on
    // this object's thread.
    void think(const kalvora::Board& board, kalvora::computer::Level level);
    void cancel();
    bool thinking() const { return cancelQuestion_ != nullptr; }

signals:
    void answered(int pit); // 0 when the side to move has no seed

private:
    class Worker;
    QThread* thread_ = nullptr;
    Worker* worker_ = nullptr; // lives on thread_
    std::shared_ptr<std::atomic<bool>> cancelQuestion_;
    unsigned question_ = 0;
};
