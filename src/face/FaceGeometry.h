#pragma once

// Where things lie on a face picture: its centre, the band radii, the hand angles and the
// points of tics and hands.

#include "face/ClockSkin.h"

#include <QPoint>

namespace horavine {

struct FaceGeometry
{
    double cx = 0.0; // centre, pixels: W / 2
    double cy = 0.0; //                 H / 2
    double outerRadius = 0.0; // Ro: tics band / minutes ring, on the half width
    double innerRadius = 0.0; // Ri: hours disc / tics band, on the half height
    double maxRadius = 0.0; // min(W / 2, H / 2)
    bool square = false; // square and rounded faces draw the same picture
};

FaceGeometry MakeFaceGeometry(int width, int height, const TClockSkin& skin);

// Nearest integer, halves to the even neighbour; NaN gives 0 and huge values stop at +-2^30
// so a damaged skin cannot overflow a pixel coordinate.
int NearestInt(double value);

// The angle a band is turned by, in radians; its seam lies in the direction pi - angle, where
// 0 points right and angles grow clockwise on the screen.
double HourAngle(int hour, int minute);
double MinuteAngle(int minute);

// The pixel at radius r in direction a: on a circle, or on a square of half side r.
QPoint FacePoint(double r, double a, const FaceGeometry& geometry);

} // namespace horavine
