#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

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
// with a DISPLAY set, the clock would rather run on xcb, unless the user chose a platform
// through QT_QPA_PLATFORM or a -platform argument (arguments without the program's name).
bool ShouldAskForXcb(const SessionEnvironment& environment, const QStringList& arguments);

// The platform the clock asks Qt for; empty leaves the choice to Qt (and to the user). Under
// Wayland it is xcb when an X server answers on DISPLAY (xServerAnswers is asked only then),
// and Wayland itself otherwise: Qt's xcb plugin ends the program when it cannot connect, and
// Qt's own default under Wayland may well be xcb.
QByteArray PlatformToAskFor(const SessionEnvironment& environment, const QStringList& arguments,
                            const std::function<bool()>& xServerAnswers);

} // namespace horavine
