// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvora: the main window, shown at once. Qt ends the program when its last
// window closes; the about window counts as one (see FrmAbout).

#include "application_facts.h"
#include "command_line.h"
#include "display_server.h"
#include "form1.h"
#include "wayland_size_guard.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // For Qt's own use, read by its XCB plugin: for a window this small, X
    // shared memory saves nothing and each flush through it wakes the event
    // reader thread and then the main thread again. Without it a clock tick
    // wakes the program once instead of three to five times. A value the
    // user set is left alone.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    setApplicationFacts();
    // Qt has taken its own options (-platform, -display, ...) out by now.
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments());
    if (commandLine.exitStatus) {
        QTextStream(*commandLine.exitStatus == 0 ? stdout : stderr) << commandLine.output;
        return *commandLine.exitStatus;
    }
    WaylandSizeGuard::installIfWayland();

    Form1 form;
    PlayChoice choice = rememberedChoice();
    if (commandLine.level)
        choice.level = *commandLine.level;
    if (commandLine.opponent)
        choice.opponent = *commandLine.opponent;
    form.setPlayChoice(choice);
    QObject::connect(&form, &Form1::playChoiceChanged, &rememberChoice);
    // An opponent chosen on the command line is a choice like one in the menu.
    if (commandLine.opponent) {
        rememberChoice(choice);
        form.newGame(choice.opponent);
    }
    form.show();
    const int status = QApplication::exec();
    // Qt 6.4's Wayland plugin can hang for ever while it closes its
    // connection: the main thread waits for an event thread that waits in
    // wl_display_read_events for a read nobody completes, and the closed game
    // stays running (seen in about one start in ten on a busy machine). The
    // game keeps nothing between runs and nothing of ours needs the teardown,
    // so on Wayland the program ends here; the compositor sees the
    // connection close.
    if (runsOnWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
