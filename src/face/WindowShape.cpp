#include "face/WindowShape.h"

#include "face/FaceSurface.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace horavine {

namespace {

constexpr int kCornerEllipse = 50; // the rounded outline's corner ellipses, pixels

// The box with its corners cut by quarters of a cornerWidth x cornerHeight ellipse: the whole
// ellipse when they equal the box's sides, the plain box when they are 0. Each row is worked out
// on its left half and mirrored, so the outline is exactly symmetric.
QRegion RoundedBox(const QRect& box, int cornerWidth, int cornerHeight)
{
    const double cx = box.left() + box.width() / 2.0;
    const double rx = cornerWidth / 2.0;
    const double ry = cornerHeight / 2.0;
    std::vector<QRect> rows;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        // How far the pixel centre lies into a corner's height, 0 at the corner ellipse's middle.
        const double fromTop = box.top() + ry - (y + 0.5);
        const double fromBottom = (y + 0.5) - (box.top() + box.height() - ry);
        const double into = std::max(fromTop, fromBottom);
        double inset = 0.0;
        if (into > 0.0 && ry > 0.0) {
            const double t = into / ry;
            inset = rx * (1.0 - std::sqrt(std::max(0.0, 1.0 - t * t)));
        }
        const double half = box.width() / 2.0 - inset;
        // Pixels x with |x + 0.5 - cx| < half; the right end mirrors the left about cx.
        const int first = int(std::floor(cx - half - 0.5)) + 1;
        const int last = box.left() * 2 + box.width() - 1 - first;
        if (first > last)
            continue;
        if (!rows.empty() && rows.back().left() == first && rows.back().right() == last
            && rows.back().bottom() == y - 1)
            rows.back().setBottom(y);
        else
            rows.push_back(QRect(QPoint(first, y), QPoint(last, y)));
    }
    QRegion region;
    region.setRects(rows.data(), int(rows.size()));
    return region;
}

} // namespace

int AlphaLevel(int transparency)
{
    // In hundredths, so that 229.5, 178.5 and 127.5 are exact halves and go to the even neighbour;
    // 2.55 as a double is a hair below 2.55 and would tip them.
    const int hundredths = 25500 - std::clamp(transparency, 0, 50) * 255;
    int alpha = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && alpha % 2 != 0))
        ++alpha;
    return alpha;
}

// Curves are computed here, one scan line at a time, rather than taken from QRegion's own ellipse
// type, which comes out lopsided by a pixel (its left and right, top and bottom edges differ). A
// pixel belongs to the outline when its centre lies inside the figure, with no antialiasing, which
// is what the window system's elliptic and rounded regions give too, to within a pixel on the curve.
QRegion WindowOutline(int size, bool notCircular, bool rounded)
{
    // A larger window would only show the surface's corner; a damaged skin must not ask the
    // window system for a region of millions of scan lines.
    const int s = std::min(size, FaceSurface::kMaximumSide);
    if (s <= 0)
        return QRegion();
    if (!notCircular)
        return RoundedBox(QRect(0, 0, s, s), s, s);
    const QRect square(QPoint(1, 1), QPoint(s - 2, s - 2));
    if (square.isEmpty())
        return QRegion();
    if (!rounded)
        return QRegion(square);
    // A square smaller than its corners takes corners of its own size, as the window system does.
    return RoundedBox(square, std::min(kCornerEllipse, square.width()), std::min(kCornerEllipse, square.height()));
}

} // namespace horavine
