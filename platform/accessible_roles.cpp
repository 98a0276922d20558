// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

struct RoleOfClass {
    const char* className;
    QAccessible::Role role;
};

// Qt would present the windows and the squares as plain client areas, which
// readers pass over, and has no notification of its own. The classes are
// known by name, so this library needs neither window.
constexpr RoleOfClass kRoles[] = {
    {"Form1", QAccessible::Window},
    {"FrmAbout", QAccessible::Window},
    {"PitSquare", QAccessible::Grouping},
    {"Announcement", QAccessible::Notification},
};

QAccessibleInterface* accessibleRole(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    for (const RoleOfClass& entry : kRoles) {
        if (className == QLatin1String(entry.className))
            return new QAccessibleWidget(static_cast<QWidget*>(object), entry.role);
    }
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    static const bool installed = (QAccessible::installFactory(accessibleRole), true);
    Q_UNUSED(installed);
}
