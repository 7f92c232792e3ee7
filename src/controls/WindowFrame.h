#pragma once

// Placing a top-level window by its outer edges, title bar and border included. The window
// manager's frame is known only once it has framed the window; until then the inside stands for
// the outside, and the placement runs once more as soon as the frame is known, so a rule that
// counts the frame holds from the window's first show on.

#include <QRect>
#include <functional>

class QWidget;

namespace horavine {

// Runs place now and, while the window's frame is not yet known, once more when it becomes known.
// A later call for the same window replaces a pending one.
void PlaceByFrame(QWidget* window, std::function<void()> place);

// The window's outer edges as the window system knows them now.
QRect OuterGeometry(const QWidget* window);

// True once the window system has told the window's frame (a frameless window never has one).
bool FrameKnown(const QWidget* window);

} // namespace horavine
