#pragma once

// The desktop's monitors for the windows' placement: read from the window system each time they
// are needed (monitors come and go while the clock runs), or a layout of a test's own.

#include "common/WindowPlacement.h"

#include <functional>

class QWidget;

namespace horavine {

// The monitors now, the primary one first.
ScreenLayout CurrentScreenLayout();
// A test's layout in place of the window system's; an empty function gives the real one back.
void SetScreenLayoutProvider(std::function<ScreenLayout()> provider);

// The monitor the window is on by its outer edges; the primary one for no window.
Monitor MonitorOf(const QWidget* window);

enum class MonitorPart { WorkArea, Whole };

// Centres the window by its outer edges (title bar included, once the window manager has framed
// it) on the monitor that anchor is on: the clock for its own windows, the opening window for a
// dialog; the primary monitor without an anchor.
void CentreOnMonitorOf(QWidget* window, const QWidget* anchor, MonitorPart part);
// The same on the area the function gives when the window is placed.
void CentreOn(QWidget* window, std::function<QRect()> area);

} // namespace horavine
