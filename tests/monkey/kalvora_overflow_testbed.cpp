// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window with a board no game reaches: player two to move,
// two seeds in pit 15 and a full store 16. A click on pit 15 sows its first
// seed into 32767 and overflows, inside the click's event procedure.

#include "form1.h"
#include "game_state.h"
#include "test_position.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kalvora"));

    Form1 form;
    kalvora::TestPosition position;
    position.turn = kalvora::PlayerTwo;
    position.mode = 1;
    position.pits[14] = 2;     // pit 15
    position.pits[15] = 32767; // store 16
    kalvora::applyTestPosition(form.gameState(), position);

    form.show();
    return QApplication::exec();
}
