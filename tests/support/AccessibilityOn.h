// Switches Qt's accessibility on without a screen reader, as a platform
// bridge does when one connects, so that events reach an update handler.
#pragma once

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

inline bool SwitchAccessibilityOn() {
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(true);
    return QAccessible::isActive();
}
