#pragma once

#include <QString>
#include <QStringList>

namespace horavine {

// The parts of the environment that decide which windowing platform the clock asks Qt for.
struct SessionEnvironment
{
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString sessionType; // XDG_SESSION_TYPE
    QString display; // DISPLAY: set where XWayland serves X11 programs
    QString qpaPlatform; // QT_QPA_PLATFORM: the user's own choice

    static SessionEnvironment current();
};

// A frameless clock that places itself and stays on top needs X11: under a Wayland session
// with XWayland at hand, the clock asks for xcb, unless the user chose a platform through
// QT_QPA_PLATFORM or a -platform argument (arguments without the program's name).
bool ShouldAskForXcb(const SessionEnvironment& environment, const QStringList& arguments);

} // namespace horavine
