// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_menu.h"

#include <QActionGroup>

using kalvora::computer::Level;

GameMenu::GameMenu(QWidget* window) : QMenu(window) {
    setObjectName(QStringLiteral("gameMenu"));
    newTwoPlayers = item("New game for two players", QKeySequence(Qt::CTRL | Qt::Key_N));
    newAgainstComputer =
        item("New game against the computer", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));

    addSection(QStringLiteral("Computer strength"));
    auto* group = new QActionGroup(this);
    constexpr Qt::Key kDigits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int i = 0; i < kalvora::computer::kLevelCount; ++i) {
        const auto level = static_cast<Level>(i);
        QAction* action =
            item(kalvora::computer::settingsOf(level).title, QKeySequence(Qt::CTRL | kDigits[i]));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, level] { emit strengthChosen(level); });
        strength[static_cast<std::size_t>(i)] = action;
    }
    addSeparator();
    hint = item("Hint", QKeySequence(Qt::Key_H));
    takeBack = item("Take back move", QKeySequence(QKeySequence::Undo));
    addSeparator();
    howToPlay = item("How to play", QKeySequence(Qt::Key_F1));
    for (QAction* action : actions())
        if (!action->isSeparator())
            window->addAction(action);
}

QAction* GameMenu::item(const char* text, const QKeySequence& keys) {
    QAction* action = addAction(QString::fromUtf8(text));
    action->setShortcut(keys);
    return action;
}

void GameMenu::showStrength(Level level) {
    strength[static_cast<std::size_t>(level)]->setChecked(true);
}

void GameMenu::open(const QPoint& at, bool byMouse) {
    openedByMouse_ = byMouse;
    exec(at);
    openedByMouse_ = false;
}
