#pragma once

// Colour arithmetic of the face: skin colours are 0x00BBGGRR, Qt wants 0xAARRGGBB.

#include "face/ClockSkin.h"

#include <QRgb>
#include <cstdint>

namespace horavine {

// a * b / c with a 64-bit intermediate, a half rounded away from zero. c = 0 gives 0.
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);

// A colour whose top byte is 0x80 names a system colour by its low byte (Windows numbering,
// 0 scroll bar ... 15 button face ... 30 menu bar); any other value is taken as 0x00BBGGRR.
TColor ResolveColor(TColor color);

// Opaque Qt colour of a skin colour (system colours resolved).
QRgb ToQRgb(TColor color);
TColor FromQRgb(QRgb rgb);

// Each channel of c1 moved num/den of the way to c2. den = 0 gives c1.
TColor BlendColor(TColor c1, TColor c2, int den, int num);

// Colour at pos of a band running from first through the even mix of first and last (placed
// at midPos percent of the cycle) to last.
TColor BandColor(TColor first, TColor last, int cycle, int midPos, int pos);

} // namespace horavine
