#include "common/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace horavine {

namespace {

// doubled / 2 to the nearest integer, halves to the even neighbour, exactly.
int HalfToEven(int doubled)
{
    const int floor = doubled >= 0 ? doubled / 2 : -((-doubled + 1) / 2);
    if (doubled % 2 == 0)
        return floor;
    return floor % 2 == 0 ? floor : floor + 1;
}

// How far a point lies outside the range [low, high), on doubled coordinates.
std::int64_t Outside(std::int64_t point, std::int64_t low, std::int64_t high)
{
    if (point < low)
        return low - point;
    if (point >= high)
        return point - high + 1;
    return 0;
}

} // namespace

ScreenLayout::ScreenLayout()
    : ScreenLayout(std::vector<Monitor>{})
{
}

ScreenLayout::ScreenLayout(std::vector<Monitor> monitors)
    : m_monitors(std::move(monitors))
{
    if (m_monitors.empty())
        m_monitors.push_back({QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)});
}

const Monitor& ScreenLayout::monitorOf(QRect window) const
{
    // Doubled, so that the centre of an odd size is exact.
    const std::int64_t cx = 2 * std::int64_t(window.x()) + window.width();
    const std::int64_t cy = 2 * std::int64_t(window.y()) + window.height();
    const Monitor* nearest = &m_monitors.front();
    std::int64_t nearestDistance = INT64_MAX;
    for (const Monitor& monitor : m_monitors) {
        const QRect& g = monitor.geometry;
        const std::int64_t dx = Outside(cx, 2 * std::int64_t(g.x()), 2 * (std::int64_t(g.x()) + g.width()));
        const std::int64_t dy = Outside(cy, 2 * std::int64_t(g.y()), 2 * (std::int64_t(g.y()) + g.height()));
        const std::int64_t distance = dx * dx + dy * dy;
        if (distance < nearestDistance) {
            nearest = &monitor;
            nearestDistance = distance;
        }
    }
    return *nearest;
}

bool ScreenLayout::overlapsAny(QRect window) const
{
    return std::any_of(m_monitors.begin(), m_monitors.end(),
                       [&](const Monitor& monitor) { return monitor.geometry.intersects(window); });
}

QPoint PadPosition(PadPlace place, QPoint topLeft, int clockSize, const Monitor& monitor)
{
    const QPoint origin = monitor.geometry.topLeft();
    const int w = monitor.workArea.width();
    const int h = monitor.workArea.height();
    const int s = clockSize;
    const int pastLeft = origin.x() - 1;
    const int pastTop = origin.y() - 1;
    const int pastRight = origin.x() + w - s + 1;
    const int flushBottom = origin.y() + h - s;
    const int x = topLeft.x();
    const int y = topLeft.y();
    switch (place) {
    case PadPlace::TopLeft:
        return {pastLeft, pastTop};
    case PadPlace::Top:
        return {x, pastTop};
    case PadPlace::TopRight:
        return {pastRight, pastTop};
    case PadPlace::Left:
        return {pastLeft, y};
    case PadPlace::Centre:
        return origin + QPoint(HalfToEven(w - s), HalfToEven(h - s));
    case PadPlace::Right:
        return {pastRight, y};
    case PadPlace::BottomLeft:
        return {origin.x(), flushBottom};
    case PadPlace::Bottom:
        return {x, flushBottom};
    case PadPlace::BottomRight:
        return {pastRight, flushBottom};
    }
    return topLeft;
}

std::optional<QPoint> NudgePosition(Nudge direction, QPoint topLeft, int clockSize, const Monitor& monitor)
{
    constexpr int kStep = 5;
    const QPoint at = topLeft - monitor.geometry.topLeft();
    const int s = clockSize;
    switch (direction) {
    case Nudge::Left:
        if (2 * at.x() > -s)
            return topLeft - QPoint(kStep, 0);
        break;
    case Nudge::Up:
        if (2 * at.y() > -s)
            return topLeft - QPoint(0, kStep);
        break;
    case Nudge::Right:
        if (2 * at.x() < 2 * monitor.workArea.width() - s)
            return topLeft + QPoint(kStep, 0);
        break;
    case Nudge::Down:
        if (2 * at.y() < 2 * monitor.workArea.height() - s)
            return topLeft + QPoint(0, kStep);
        break;
    }
    return std::nullopt;
}

QPoint SnapToWorkArea(QPoint target, QSize window, const Monitor& monitor, int distance)
{
    const auto snap = [distance](int edge, int size, int low, int high) {
        if (std::abs(edge - low) <= distance)
            return low;
        if (std::abs(edge + size - high) <= distance)
            return high - size;
        return edge;
    };
    const QRect& area = monitor.workArea;
    return {snap(target.x(), window.width(), area.x(), area.x() + area.width()),
            snap(target.y(), window.height(), area.y(), area.y() + area.height())};
}

int OffScreenCorrection(int coordinate, int screenExtent)
{
    return coordinate > screenExtent ? HalfToEven(screenExtent) : coordinate;
}

QPoint StartPosition(QPoint stored, QSize window, const ScreenLayout& layout)
{
    if (layout.monitors().size() == 1) {
        const QRect& screen = layout.primary().geometry;
        return {screen.x() + OffScreenCorrection(stored.x() - screen.x(), screen.width()),
                screen.y() + OffScreenCorrection(stored.y() - screen.y(), screen.height())};
    }
    if (layout.overlapsAny(QRect(stored, window)))
        return stored;
    return KeptInside(stored, window, layout.primary().workArea);
}

std::optional<QPoint> PositionAfterLayoutChange(QRect window, const ScreenLayout& before, const ScreenLayout& after)
{
    const QRect was = before.monitorOf(window).geometry;
    const auto stillThere = std::any_of(after.monitors().begin(), after.monitors().end(),
                                        [&](const Monitor& monitor) { return monitor.geometry == was; });
    if (stillThere)
        return std::nullopt;
    const QRect area = after.monitorOf(window).workArea;
    if (area.contains(window))
        return std::nullopt;
    return KeptInside(window.topLeft(), window.size(), area);
}

QPoint CentredPosition(QRect area, QSize outside)
{
    return {area.x() + (area.width() - outside.width()) / 2, area.y() + (area.height() - outside.height()) / 2};
}

QPoint KeptInside(QPoint topLeft, QSize outside, QRect area)
{
    const int x = std::max(area.x(), std::min(topLeft.x(), area.x() + area.width() - outside.width()));
    const int y = std::max(area.y(), std::min(topLeft.y(), area.y() + area.height() - outside.height()));
    return {x, y};
}

QPoint ToolbarPositionBelow(QRect clock, QSize toolbar, QRect monitor)
{
    const int top = std::min(clock.y() + clock.height(), monitor.y() + monitor.height() - 70);
    const int centred = HalfToEven(2 * clock.x() + clock.width() - toolbar.width());
    return {std::min(monitor.x() + monitor.width() - 70, centred), top};
}

} // namespace horavine
