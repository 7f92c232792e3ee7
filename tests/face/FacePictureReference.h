#pragma once

// The face picture rule written out plainly, pixel by pixel and without any caching: the
// yardstick the fast renderer is compared with.

#include "face/ClockSkin.h"

#include <QImage>
#include <QPoint>
#include <cstdint>

namespace horavine::reference {

int Nearest(double v);
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);
TColor BlendColor(TColor c1, TColor c2, int den, int num);
TColor BandColor(TColor first, TColor last, int cycle, int midPos, int pos);
QPoint FacePoint(double r, double a, double cx, double cy, bool square);
void DrawFacePicture(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle);

} // namespace horavine::reference
