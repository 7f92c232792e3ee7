#pragma once

// How the tick styles the second marker and moves it round the tics band.

#include "face/ClockSkin.h"
#include "face/SecondMarker.h"

#include <QPointF>

namespace horavine {

// Colour from SecColor; shown unless SecStyle is 3 ("None"); figure and fill from the style
// (star and cross have no area, so they keep the fill they had). A SecStyle outside 0..8 comes
// only from a damaged skin and keeps the previous figure.
void ApplyMarkerStyle(SecondMarker& marker, const TClockSkin& skin);

// The second's direction in face units (y upwards, anticlockwise, 0 pointing right):
// 12 o'clock at second 0, then 6 degrees clockwise per second.
double SecondAngle(int second);

// The marker's centre, face units: on the circle of radius track, or on a square or rounded
// face on the square ring of half side track, where the ray of the second meets it.
QPointF MarkerCentre(int second, double track, bool notCircular);

} // namespace horavine
