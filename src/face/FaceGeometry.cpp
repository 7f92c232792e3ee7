#include "face/FaceGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace horavine {

namespace {

constexpr double kPi = std::numbers::pi;

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

FaceGeometry MakeFaceGeometry(int width, int height, const TClockSkin& skin)
{
    FaceGeometry g;
    g.cx = width / 2.0;
    g.cy = height / 2.0;
    g.outerRadius = int(skin.OuterEdge) * g.cx / 100.0;
    g.innerRadius = int(skin.InnerEdge) * g.cy / 100.0;
    g.maxRadius = std::min(g.cx, g.cy);
    g.square = skin.NotCircular != 0;
    return g;
}

int NearestInt(double value)
{
    constexpr double kLimit = 1 << 30;
    if (std::isnan(value)) {
        return 0;
    }
    return int(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

double HourAngle(int hour, int minute)
{
    return 3.0 * kPi / 2.0 - (hour % 12) * kPi / 6.0 - minute * kPi / 360.0 + 2.0 * kPi;
}

double MinuteAngle(int minute)
{
    return 3.0 * kPi / 2.0 - minute * kPi / 30.0 + 2.0 * kPi;
}

QPoint FacePoint(double r, double a, const FaceGeometry& geometry)
{
    const int dx = NearestInt(std::cos(a) * r);
    const int dy = NearestInt(std::sin(a) * r);
    if (!geometry.square) {
        return QPoint(NearestInt(geometry.cx) + dx, NearestInt(geometry.cy) + dy);
    }
    int sx = 0;
    int sy = 0;
    if (std::abs(dx) > std::abs(dy)) {
        sx = NearestInt(Sign(dx) * r);
        sy = NearestInt(std::tan(a) * sx);
    } else {
        // At r near 0 both are 0 and cot(a) may be infinite; NearestInt takes the NaN to 0.
        sy = NearestInt(Sign(dy) * r);
        sx = NearestInt(1.0 / std::tan(a) * sy);
    }
    return QPoint(NearestInt(sx + geometry.cx), NearestInt(sy + geometry.cy));
}

} // namespace horavine
