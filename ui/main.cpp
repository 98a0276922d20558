// Kalvora: the main window, shown at once; the program ends when its last
// window closes.

#include "form1.h"
#include "kalvora_version.h"
#include "window_lifetime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kalvora::version::kProduct));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kalvora::version::kCompany));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kalvora::version::kFileVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kalvora::version::kAppId));

    QApplication::setQuitOnLastWindowClosed(false);
    WindowLifetime lifetime([] { QCoreApplication::quit(); });
    app.installEventFilter(&lifetime);

    Form1 form;
    form.show();
    return QApplication::exec();
}
