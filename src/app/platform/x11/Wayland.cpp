// What the clock cannot do on Wayland itself, and the tray icon it should not try there.

#include "app/platform/x11/Wayland.h"

#include "app/Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSystemTrayIcon>

namespace horavine::platform {

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowPositionKnown()
{
    return !OnWayland();
}

bool TrayIconCanShow()
{
    return !OnWayland() || QSystemTrayIcon::isSystemTrayAvailable();
}

QString WindowSystemLimits()
{
    if (!OnWayland())
        return {};
    return QCoreApplication::translate(
        "horavine::platform",
        "on Wayland without XWayland the clock cannot place its own window (the position keys and "
        "the saved position do nothing) nor stay on top of other windows; drag it to move it. "
        "With XWayland it can do both.");
}

} // namespace horavine::platform
