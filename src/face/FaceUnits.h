#pragma once

// Face units: -100..+100 across the surface on both axes, origin at the centre, y upwards.

namespace horavine {

int FaceUnitColumn(double x, int width); // nearest((x + 100) * W / 200)
int FaceUnitRow(double y, int height); // H - nearest((y + 100) * H / 200)
// Lengths are measured on the height both ways, so a circle stays round on any surface;
// L <= 0 is 0 pixels.
int FaceUnitLength(double length, int height);

} // namespace horavine
