#include "controls/FancyDrawing.h"

#include "face/FaceColors.h"

#include <algorithm>
#include <cmath>

namespace horavine {

namespace {

int channel(TColor color, int shift)
{
    return int(color >> shift & 0xFF);
}

// n / 100 for n >= 0, a half to the even neighbour. Integer arithmetic, so that a sum ending in 50 is
// a half exactly and not a hair above or below it.
int hundredthToEven(int n)
{
    int q = n / 100;
    const int r = n % 100;
    if (r > 50 || (r == 50 && q % 2 != 0))
        ++q;
    return q;
}

} // namespace

TColor MixColors(TColor a, TColor b, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    const TColor ra = ResolveColor(a);
    const TColor rb = ResolveColor(b);
    TColor result = 0;
    for (int shift = 0; shift < 24; shift += 8)
        result |= TColor(hundredthToEven(channel(ra, shift) * (100 - p) + channel(rb, shift) * p)) << shift;
    return result;
}

TColor frameRingColor(TColor frame, TColor face, int w, int i)
{
    const TColor f = ResolveColor(frame);
    const TColor c = ResolveColor(face);
    const double x = w > 0 ? std::sqrt(double(w * w - (w - i) * (w - i))) / w : 1.0;
    TColor result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = channel(f, shift);
        // nearbyint rounds halves to even in the default rounding mode.
        const int value = from + int(std::nearbyint((channel(c, shift) - from) * x));
        result |= TColor(std::clamp(value, 0, 255)) << shift;
    }
    return result;
}

QPainterPath roundedBox(int left, int top, int right, int bottom, int s)
{
    QPainterPath path;
    const QRectF box(left, top, right - left, bottom - top);
    if (s <= 0)
        path.addRect(box);
    else
        path.addRoundedRect(box, s / 2.0, s / 2.0); // Qt takes the radius; it caps it at half the box
    return path;
}

QPainterPath ellipseBox(int left, int top, int right, int bottom)
{
    QPainterPath path;
    path.addEllipse(QRectF(left, top, right - left, bottom - top));
    return path;
}

QPainterPath fancyShape(TBtnShape shape, int w, int h, int cornerRadius)
{
    switch (shape) {
    case btnOval:
        return ellipseBox(0, 0, w, h);
    case btnCapsule:
        return roundedBox(0, 0, w, h, std::min(w, h));
    case btnRectangle:
        break;
    }
    return roundedBox(0, 0, w, h, 2 * cornerRadius);
}

QPainterPath fancyRing(TBtnShape shape, int w, int h, int cornerRadius, int i)
{
    if (shape == btnOval)
        return ellipseBox(i + 1, i + 1, w - i, h - i);
    const int r = shape == btnCapsule ? std::min(w, h) : 2 * cornerRadius;
    return roundedBox(i + 1, i + 1, w - i, h - i, r - 2 * i);
}

QPainterPath fancyPressedFace(TBtnShape shape, int w, int h, int cornerRadius)
{
    if (shape == btnOval)
        return ellipseBox(1, 1, w - 2, h - 2);
    const int s = shape == btnCapsule ? std::min(w, h) : 2 * cornerRadius - 4;
    if (s <= 0)
        return roundedBox(1, 1, w - 3, h - 3, 0);
    return roundedBox(1, 1, w - 2, h - 2, s);
}

TFancyLayout fancyLayout(TBmpLayout layout, int w, int h, int cw, int gh, int d, int tw, int th)
{
    // C++ division truncates towards zero, which is what the halves here want.
    const auto half = [](int v) {
        return v / 2;
    };
    const int besideGap = cw + d + tw < w ? half(w - cw - d - tw) : 0;
    const int aboveGap = gh + d + th < h ? half(h - gh - d - th) : 0;
    const int centredLeft = w > cw ? half(w - cw) : 0;
    const int centredTop = h > gh ? half(h - gh) : 0;
    TFancyLayout r;
    switch (layout) {
    case lyLeft:
        r.GlyphLeft = besideGap;
        r.GlyphTop = centredTop;
        r.CaptionLeft = r.GlyphLeft + cw + d;
        r.CaptionTop = half(h - th);
        break;
    case lyRight:
        r.GlyphLeft = w - besideGap - cw;
        r.GlyphTop = centredTop;
        r.CaptionLeft = r.GlyphLeft - tw - d;
        r.CaptionTop = half(h - th);
        break;
    case lyTop:
        r.GlyphLeft = centredLeft;
        r.GlyphTop = aboveGap;
        r.CaptionLeft = half(w - tw);
        r.CaptionTop = r.GlyphTop + gh + d;
        break;
    case lyBottom:
        r.GlyphLeft = centredLeft;
        r.GlyphTop = h - aboveGap - gh;
        r.CaptionLeft = half(w - tw);
        r.CaptionTop = r.GlyphTop - d - th;
        break;
    case lyCenter:
        r.GlyphLeft = centredLeft;
        r.GlyphTop = centredTop;
        r.CaptionLeft = half(w - tw);
        r.CaptionTop = half(h - th);
        break;
    }
    return r;
}

} // namespace horavine
