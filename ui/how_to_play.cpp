// SPDX-License-Identifier: GPL-3.0-or-later
#include "how_to_play.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kRules =
    "Two players share a ring of sixteen pits. Player one owns the bottom row "
    "of seven pits and the store on the right, player two the top row and the "
    "store on the left. A move lifts every seed from one of your pits and sows "
    "them one by one round the ring, anticlockwise. The last seed decides: in "
    "your own store it gives you another turn, in an empty pit of your own row "
    "it captures the pit opposite, and it never ends in your opponent's store. "
    "When the player to move has no seeds left in the row, the fuller store "
    "wins.\n\n"
    "Playing alone: a right click anywhere on the board, the Menu key or "
    "Shift+F10 opens the game menu. There you start a new game against the "
    "computer (Ctrl+Shift+N) or for two players (Ctrl+N), choose the "
    "computer's strength, ask for a hint (H) and take back a move (Ctrl+Z). "
    "The computer plays the top row; Play Game starts a game against the "
    "opponent chosen last.\n\n"
    "Keys: Tab moves between the buttons and the pits, the arrow keys move "
    "across the board, and Space or Return sows the pit with the focus or "
    "presses the button. F1 opens this window; Escape closes it.";

} // namespace

void HowToPlay::open(QWidget* owner) {
    auto* window = owner->findChild<HowToPlay*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HowToPlay(owner); // closing only hides it
    window->show();
    window->raise();
    window->activateWindow();
}

HowToPlay::HowToPlay(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("How to play Kalvora"));
    auto* rules = new QLabel(QLatin1String(kRules), this);
    rules->setWordWrap(true);
    rules->setTextFormat(Qt::PlainText);
    rules->setFixedWidth(rules->fontMetrics().averageCharWidth() * 60);
    // Escape closes a dialog; Return presses its focused default button.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rules);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Keys go back to the game, also where no window manager hands them on.
    connect(this, &QDialog::finished, owner, [owner] { owner->activateWindow(); });
}
