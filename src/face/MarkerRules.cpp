#include "face/MarkerRules.h"

#include "face/FaceOverlay.h"

#include <cmath>
#include <numbers>

namespace horavine {

namespace {

constexpr double kPi = std::numbers::pi;

int Sign(double v)
{
    return (v > 0) - (v < 0);
}

struct MarkerStyle
{
    bool shown;
    int pointer;
    int fill; // -1: the figure has no area, the fill is left as it was
};

// Indexed by SecStyle.
constexpr MarkerStyle kMarkerStyles[] = {
    {true, psCircle, bsClear}, // "Empty Circle"
    {true, psCircle, bsSolid}, // "Full Circle"
    {true, psStar, -1}, // "Star"
    {false, psCircle, -1}, // "None"
    {true, psRectangle, bsClear}, // "Empty Square"
    {true, psRectangle, bsSolid}, // "Full Square"
    {true, psCross, -1}, // "Cross"
    {true, psDiamond, bsSolid}, // "Diamond"
    {true, psTriangle, bsSolid}, // "Triangle"
};

} // namespace

void ApplyMarkerStyle(SecondMarker& marker, const TClockSkin& skin)
{
    marker.PenColor = skin.SecColor;
    marker.FillColor = skin.SecColor;
    const int style = skin.SecStyle;
    marker.Active = style != ssNone;
    if (!marker.Active || style < 0 || style >= int(std::size(kMarkerStyles)))
        return;
    marker.PointerStyle = kMarkerStyles[style].pointer;
    if (kMarkerStyles[style].fill >= 0)
        marker.FillStyle = kMarkerStyles[style].fill;
}

double SecondAngle(int second)
{
    return std::fmod(3.0 * kPi / 2.0 - second * kPi / 30.0 + kPi, 2.0 * kPi);
}

QPointF MarkerCentre(int second, double track, bool notCircular)
{
    const double a = SecondAngle(second);
    double x = std::cos(a) * track;
    double y = std::sin(a) * track;
    if (notCircular) {
        if (std::abs(x) > std::abs(y)) {
            x = Sign(x) * track;
            y = std::tan(a) * x;
        } else {
            y = Sign(y) * track;
            // Only a band of no width gets here with y = 0; 0 times an endless cotangent would be NaN.
            x = y == 0.0 ? 0.0 : 1.0 / std::tan(a) * y;
        }
    }
    return QPointF(x, y);
}

} // namespace horavine
