// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "How to play Kalvora": a picture of the board, then the rules and the keys
// in short headed sections, in a modeless window over the main one, closed
// by Escape, Return or its button.
// It is no part of the game: it shows nothing on the board.

#include <QDialog>

class HowToPlay : public QDialog {
    Q_OBJECT

public:
    // Opens the window over `owner`, or brings forward the one already open.
    static void open(QWidget* owner);

private:
    explicit HowToPlay(QWidget* owner);
};
