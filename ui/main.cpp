// Kalvora: the main window, shown at once; the program ends when its last
// window closes.

#include "application_facts.h"
#include "form1.h"
#include "window_lifetime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setApplicationFacts();

    QApplication::setQuitOnLastWindowClosed(false);
    WindowLifetime lifetime([] { QCoreApplication::quit(); });
    app.installEventFilter(&lifetime);

    Form1 form;
    form.show();
    return QApplication::exec();
}
