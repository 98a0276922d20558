// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_about.h"

#include "accessible_roles.h"
#include "display_server.h"
#include "screen_centre.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
// 201 x 201: the 200 x 200 picture and a one-pixel strip of button face.
constexpr int kClientSize = 201;
const char* const kPicture = ":/assets/about_picture.bmp";

// Qt deletes a closed window a moment after it closes.
QPointer<FrmAbout> loaded;
} // namespace

// Unloaded from the moment it closes: the next about command loads a new one,
// even before this one is deleted.
FrmAbout* FrmAbout::instance() {
    return loaded && loaded->isVisible() ? loaded.data() : nullptr;
}

FrmAbout::FrmAbout() : picture_(QString::fromLatin1(kPicture)) {
    installAccessibleRoles();
    // No taskbar button: a tool window, or on X11 a dialog, which Qt marks as
    // the whole program's. An X11 tool window is a "utility", which some window
    // managers place like a pop-up, ignoring its position: weston's put it in
    // the screen's corner. Frameless, it cannot be moved, resized or given an
    // icon by the window manager.
    setWindowFlags((runsOnX11() ? Qt::Dialog : Qt::Tool) | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("About Tembrel Kalvora"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Tool windows do not keep the program alive by default; this one must,
    // so that closing the main window first leaves it on screen.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(kClientSize, kClientSize);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(windowTitle());
    // The window is all picture: a screen reader reads the words drawn in it.
    setAccessibleDescription(QStringLiteral(
        "Kalvora. Tembrel International. Author: Tembrel game team. "
        "Idea: traditional sowing games. Web site: see package. E-mail: see package."));
}

void FrmAbout::showAbout() {
    if (!instance()) {
        loaded = new FrmAbout;
        // Shown with no owner: centred on the screen.
        centreOnScreen(*loaded, QGuiApplication::primaryScreen());
    }
    loaded->show();
    loaded->raise();
    loaded->activateWindow();
}

void FrmAbout::unload() {
    close();
}

void FrmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, picture_.at(devicePixelRatioF()));
}

// A click is a press and a release on the window.
void FrmAbout::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        unload();
}

// Any key that types a character closes the window, whatever the character;
// arrows, function keys and lone modifiers type nothing.
void FrmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    unload();
}
