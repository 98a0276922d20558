// SPDX-License-Identifier: GPL-3.0-or-later
#include "wayland_size_guard.h"

#include "display_server.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kConfiguredSize = Qt::WindowMaximized | Qt::WindowFullScreen;

// Pop-ups and tooltips are placed by their parent, never maximized.
bool isToplevelSurface(const QWidget* widget) {
    return widget->isWindow() && widget->windowHandle() && widget->windowType() != Qt::Popup &&
           widget->windowType() != Qt::ToolTip;
}

} // namespace

void WaylandSizeGuard::installIfWayland() {
    if (runsOnWayland())
        qApp->installEventFilter(new WaylandSizeGuard(qApp));
}

bool WaylandSizeGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::ShowToParent && type != QEvent::Resize) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!isToplevelSurface(widget))
        return false;
    if (type == QEvent::ShowToParent) {
        // The widget keeps its limits; Qt copies them to the native window only
        // when they change, so the window stays free once shown.
        widget->windowHandle()->setMinimumSize(QSize());
        widget->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        return false;
    }
    const QSize allowed =
        widget->size().expandedTo(widget->minimumSize()).boundedTo(widget->maximumSize());
    if (allowed == widget->size())
        return false;
    if (widget->windowState() & kConfiguredSize) {
        // Asked once Qt has taken this size, which the window keeps until the
        // compositor answers.
        QMetaObject::invokeMethod(
            widget, [widget] { widget->setWindowState(widget->windowState() & ~kConfiguredSize); },
            Qt::QueuedConnection);
    } else {
        widget->resize(allowed);
    }
    return false;
}
