#pragma once

// The clock window's outline and alpha level, from the skin's shape, size and transparency.

#include <QRegion>

namespace horavine {

// The window's alpha level (0 invisible, 255 opaque) for a transparency in percent:
// nearest(255 - min(max(T, 0), 50) * 2.55), halves to the even neighbour, so 10 gives 230,
// 30 gives 178 and 50 or more gives 128.
int AlphaLevel(int transparency);

// The pixels of a window of size x size that stay visible (and take mouse input):
// circular: the ellipse inscribed in (0, 0)-(size, size), touching all four edges;
// square: the pixels 1 .. size - 2 both ways, a 1-pixel margin all round;
// rounded: that square with its corners cut by 50 x 50 ellipses.
// Sizes above the face surface's largest side are taken as that side; 0 or less is empty.
QRegion WindowOutline(int size, bool notCircular, bool rounded);

} // namespace horavine
