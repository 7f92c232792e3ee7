#pragma once

// What the clock needs from the desktop it runs on. One implementation per window system
// lives under platform/; nothing else in the program asks which system it is on.

#include <QRect>
#include <bitset>
#include <functional>

class QWidget;

namespace horavine::platform {

// Raises or lowers the window's always-on-top state in place: the window keeps its position
// and is neither unmapped nor re-created.
void SetStayOnTop(QWidget* window, bool onTop);

// Keeps the window out of the taskbar and the pager (true) or lets it show there (false).
void SetSkipTaskbar(QWidget* window, bool skip);

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

// True when a real window system is there (not the offscreen or minimal platform).
bool HasWindowSystem();

} // namespace horavine::platform
