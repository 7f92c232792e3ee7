#pragma once

#include "face/ClockSkin.h"

#include <QImage>

namespace horavine {

// Renders a face picture of the picture's own size (it becomes Format_RGB32): the tics band
// colour, twelve tics, the hours disc and the minutes ring as colour wheels turned by the two
// angles (HourAngle, MinuteAngle), and a thin hand along each wheel's seam.
//
// Uses a FacePainter kept per thread, so repeated pictures of one size and skin are cheap;
// code that draws often (the tick) should own its FacePainter instead.
void DrawFacePicture(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle);

} // namespace horavine
