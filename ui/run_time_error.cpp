// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_time_error.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdlib>

void endWithRunTimeError(QWidget* window, const char* what) {
    QMessageBox::critical(window, QCoreApplication::applicationName(), QString::fromUtf8(what));
    // Before the event loop runs there is no loop to leave.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
    else
        std::exit(1);
}
