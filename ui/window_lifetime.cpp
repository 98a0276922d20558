#include "window_lifetime.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

WindowLifetime::WindowLifetime(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {}

bool WindowLifetime::anyWindowOpen() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        // Tooltips and popups come and go with the pointer; they are not windows.
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::ToolTip || type == Qt::Popup || type == Qt::Desktop)
            continue;
        if (widget->isVisible())
            return true;
    }
    return false;
}

bool WindowLifetime::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        // Look once the close has finished and the window is hidden.
        QTimer::singleShot(0, this, &WindowLifetime::quitIfNoWindowOpen);
    }
    return QObject::eventFilter(watched, event);
}

void WindowLifetime::quitIfNoWindowOpen() {
    if (quitting_ || anyWindowOpen())
        return;
    quitting_ = true;
    quit_();
}
