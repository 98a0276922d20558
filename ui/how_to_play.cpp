// SPDX-License-Identifier: GPL-3.0-or-later
#include "how_to_play.h"

#include "picture.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The rules in the order a new player needs them, one short section each,
// told as README, the manual page and the package description tell them; in
// two columns, so that the window fits a small screen.
const char* const kRules[] = {
    "<h3>The board</h3>"
    "<p>Two players share a ring of sixteen pits. Player one owns the bottom row "
    "of seven pits and the store on the right, player two the top row and the "
    "store on the left. Each player numbers their own pits 1 to 7 the way the "
    "seeds go, so player two's pit 1 is at the right, and \"Player one, "
    "pit&nbsp;<i>n</i>\" faces \"Player two, pit&nbsp;8\u2212<i>n</i>\". Every pit starts "
    "with seven seeds, the stores empty, and player one moves first.</p>"
    "<h3>A move</h3>"
    "<p>Click one of your own pits: its seeds are lifted and sown one by one "
    "round the ring, anticlockwise, both stores included. The last seed never "
    "ends in your opponent's store: it goes on into the pit after it, the first "
    "pit of your own row.</p>"
    "<h3>Another turn, a capture</h3>"
    "<p>When the last seed ends in your own store, you move again. When it ends "
    "in an empty pit of your own row, that seed and all the seeds of the pit "
    "opposite go into your store, also when the pit opposite is empty. "
    "Otherwise the turn passes.</p>",
    "<h3>The end</h3>"
    "<p>The game ends when the player to move has no seeds left in their own "
    "row; the seeds still in the other row count for nobody. The player with "
    "more seeds in the store wins, and equal stores are a draw.</p>"
    "<h3>Playing alone</h3>"
    "<p>A right click anywhere on the board, the Menu key or "
    "Shift+F10 opens the game menu. There you start a new game against the "
    "computer (Ctrl+Shift+N) or for two players (Ctrl+N), choose the "
    "computer's strength, ask for a hint (H) and take back a move (Ctrl+Z). "
    "The computer plays the top row; Play Game starts a game against the "
    "opponent chosen last.</p>"
    "<h3>Keys</h3>"
    "<p>Tab moves between the buttons and the pits, the arrow keys move "
    "across the board, and Space or Return sows the pit with the focus or "
    "presses the button. F1 opens this window; Escape or Return closes it.</p>"};

// What the board picture shows, for a screen reader.
const char* const kBoardPicture =
    "Player two's row on top, its pits numbered 1 to 7 from right to left; "
    "player one's row below, numbered 1 to 7 from left to right; player two's "
    "store at the left, player one's at the right; the seeds go round "
    "anticlockwise.";

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
    auto* board = new QLabel(this);
    board->setPixmap(Picture(QStringLiteral(":/assets/board_diagram.bmp")).at(devicePixelRatioF()));
    board->setAlignment(Qt::AlignCenter);
    board->setAccessibleName(QStringLiteral("The board"));
    board->setAccessibleDescription(QLatin1String(kBoardPicture));
    auto* columns = new QHBoxLayout;
    columns->setSpacing(fontMetrics().averageCharWidth() * 3);
    for (const char* column : kRules) {
        auto* rules = new QLabel(QString::fromUtf8(column), this);
        rules->setWordWrap(true);
        rules->setTextFormat(Qt::RichText);
        rules->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rules->setFixedWidth(rules->fontMetrics().averageCharWidth() * 46);
        columns->addWidget(rules);
    }
    // Escape closes a dialog; Return presses its focused default button.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(board);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Keys go back to the game, also where no window manager hands them on.
    connect(this, &QDialog::finished, owner, [owner] { owner->activateWindow(); });
}
