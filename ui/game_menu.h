// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's context menu: the new games, the computer's strength,
// the hint, take back and the rules. Its actions belong to the window too,
// so their keys work with the menu closed, and the menu shows each key.

#include "levels.h"

#include <QMenu>

#include <array>

class QAction;

class GameMenu : public QMenu {
    Q_OBJECT

public:
    explicit GameMenu(QWidget* window);

    QAction* newTwoPlayers = nullptr;
    QAction* newAgainstComputer = nullptr;
    std::array<QAction*, kalvora::computer::kLevelCount> strength{}; // by Level
    QAction* hint = nullptr;
    QAction* takeBack = nullptr;
    QAction* howToPlay = nullptr;

    void showStrength(kalvora::computer::Level level);
    // Opens the menu; true when the mouse opened it.
    bool openedByMouse() const { return openedByMouse_; }
    void open(const QPoint& at, bool byMouse);

signals:
    void strengthChosen(kalvora::computer::Level level);

private:
    QAction* item(const char* text, const QKeySequence& keys);
    bool openedByMouse_ = false;
};
