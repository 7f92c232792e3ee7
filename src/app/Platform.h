#pragma once

// What the clock needs from the desktop it runs on. One implementation per window system
// lives under platform/; nothing else in the program asks which system it is on.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <bitset>
#include <functional>

class QWidget;

namespace horavine::platform {

// Raises or lowers the window's always-on-top state in place: the window keeps its position
// and is neither unmapped nor re-created.
void SetStayOnTop(QWidget* window, bool onTop);

// Keeps the window out of the taskbar and the pager (true) or lets it show there (false).
void SetSkipTaskbar(QWidget* window, bool skip);

// Makes the window one that stays on the screen when the user asks the window manager to show
// the desktop ("Show desktop" hides the ordinary windows); called once, before it is first shown.
// The window keeps everything else: stays on top or not, no taskbar entry, moving, the focus on a
// click, hiding and showing.
void KeepOnDesktop(QWidget* window);

// Takes the clock off the screen while it keeps running (the tray icon or a second start brings
// it back), and puts it back where it was.
void HideClockWindow(QWidget* window);
void RestoreClockWindow(QWidget* window);
bool IsClockWindowHidden(const QWidget* window);

// Calls handler on the GUI thread when the process is asked to end (SIGTERM, SIGHUP, SIGINT).
// The signal handler itself only writes to a pipe; the handler runs from the event loop.
void OnTerminationRequest(std::function<void()> handler);

// The keys held down right now, by native scan code; none where the window system cannot tell.
std::bitset<256> KeysDown();

// Large buffers (face pictures, decoded files) go back to the system as soon as they are freed,
// rather than staying in the heap for a clock that may never need that much again.
void ReturnLargeBuffersToTheSystem();

// Settings for the window system's client library that keep a clock at rest cheap, made before
// the application object connects. Returns the environment variables it set, which main takes
// back once connected, so that programs the clock opens keep the desktop's own.
QList<QByteArray> PrepareWindowSystemClient();

// Gives the pages the start-up freed in the heap back to the system: the clock then runs for
// days on a fraction of what starting it took.
void ReturnFreedHeapPages();

// True when a real window system is there (not the offscreen or minimal platform).
bool HasWindowSystem();

// True when an X server accepts a connection on DISPLAY (XWayland under Wayland). Asked before
// the application object exists, since Qt's xcb plugin ends the program when it cannot connect.
bool XServerAnswers();

// False where the window system keeps window positions to itself (Wayland): the clock can then
// neither place its window nor learn where it stands.
bool WindowPositionKnown();

// False where a tray icon can only fail: Wayland without a tray of its own, where Qt's stand-in
// for X11 trays would merely warn. Under X11 a tray that starts later still gets the icon.
bool TrayIconCanShow();

// What the window system the clock runs on does not let it do, as one line for the user; empty
// where it lets the clock do everything.
QString WindowSystemLimits();

} // namespace horavine::platform
