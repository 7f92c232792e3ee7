#pragma once

// Where the clock and its windows go on the desktop's monitors: the numeric pad's corners, edges
// and centre, the arrows' nudges, the snap while dragging, the stored place at start-up, the move
// when the clock's monitor goes away, and where a dialog or the timer toolbar opens. Pure
// arithmetic on rectangles, so that every rule can be tried on any monitor layout.
//
// "The screen" of every rule is the monitor the clock is on. With one monitor at the desktop's
// origin the rules are the clock's classic single-screen ones, to the pixel.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace horavine {

struct Monitor
{
    QRect geometry; // the whole monitor, in desktop coordinates
    QRect workArea; // the monitor less the panels

    bool operator==(const Monitor&) const = default;
};

// The monitors as the window system lists them, the primary one first. Never empty: without any
// monitor reported, a 1024 x 768 one stands in.
class ScreenLayout
{
public:
    ScreenLayout();
    explicit ScreenLayout(std::vector<Monitor> monitors);

    const std::vector<Monitor>& monitors() const { return m_monitors; }
    const Monitor& primary() const { return m_monitors.front(); }
    // The monitor holding the window's centre, else the one nearest to it (the first listed on a tie).
    const Monitor& monitorOf(QRect window) const;
    bool overlapsAny(QRect window) const;

    bool operator==(const ScreenLayout&) const = default;

private:
    std::vector<Monitor> m_monitors;
};

enum class PadPlace { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

// The pad's places for a clock of clockSize x clockSize on its monitor. The work area counts by its
// size only, from the monitor's top-left corner: the corners and edges lie one pixel past the top,
// left and right, the bottom row flush with the bottom and its left corner at 0, not -1; the centre
// rounds halves to the even neighbour. An edge keeps the other coordinate.
QPoint PadPosition(PadPlace place, QPoint topLeft, int clockSize, const Monitor& monitor);

enum class Nudge { Left, Up, Right, Down };

// Five pixels that way while the corner is less than half the clock beyond that edge of the
// monitor (compared exactly, so an odd size is not truncated); nothing at the limit.
std::optional<QPoint> NudgePosition(Nudge direction, QPoint topLeft, int clockSize, const Monitor& monitor);

// An edge within distance of an edge of the work area is put on it, as the window is dragged.
QPoint SnapToWorkArea(QPoint target, QSize window, const Monitor& monitor, int distance);

// One monitor: a coordinate beyond the screen's width (height), counted from the screen's
// top-left corner, is pulled to half of it, halves to the even neighbour; equal or negative stays.
int OffScreenCorrection(int coordinate, int screenExtent);

// The stored place at start-up. One monitor: the correction above on each coordinate. Several: a
// place on any monitor is kept to the pixel; a place on none (a monitor unplugged since, a lower
// resolution) goes to the nearest place wholly on the primary monitor's work area.
QPoint StartPosition(QPoint stored, QSize window, const ScreenLayout& layout);

// After the monitors changed: where the window goes when the monitor it was on is gone or has
// changed so that the window no longer fits on it, wholly on the work area of the monitor now
// nearest; nothing when it may stay.
std::optional<QPoint> PositionAfterLayoutChange(QRect window, const ScreenLayout& before, const ScreenLayout& after);

// The top-left corner that centres a window of the given outer size on area; an odd pixel left
// over goes to the right and the bottom.
QPoint CentredPosition(QRect area, QSize outside);

// The nearest place for a window of the given outer size wholly inside area (its top-left corner
// where it is larger).
QPoint KeptInside(QPoint topLeft, QSize outside, QRect area);

// The timer toolbar below the clock, centred on it (halves to the even neighbour), but kept 70
// pixels inside the right and bottom of the clock's whole monitor so that it can still be grabbed.
QPoint ToolbarPositionBelow(QRect clock, QSize toolbar, QRect monitor);

} // namespace horavine
