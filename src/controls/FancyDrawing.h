#pragma once

// What the fancy button draws, worked out without a widget: its colours, its outlines and where
// glyph and caption go.

#include "controls/FancyTypes.h"

#include <QPainterPath>

namespace horavine {

// Each channel (a * (100 - p) + b * p) / 100 with system colours resolved first; a half goes to the
// even neighbour. p is held to 0..100.
TColor MixColors(TColor a, TColor b, int percent);

// Ring i (0 the outermost) of a gradient frame w rings wide, running from the frame colour into the
// face colour along a quarter circle, so that the frame looks rounded rather than bevelled.
TColor frameRingColor(TColor frame, TColor face, int w, int i);

// Outlines as the window system's regions have them: boxes are (left, top, right, bottom) with right
// and bottom exclusive, and a rounded box's corners are the quarters of an s x s ellipse. Filled
// without antialiasing, a pixel belongs to the outline when its centre does; contains() on the pixel
// centre answers the same.
QPainterPath roundedBox(int left, int top, int right, int bottom, int s); // s <= 0: a plain rectangle
QPainterPath ellipseBox(int left, int top, int right, int bottom);

// The button's outline on (0, 0, w, h): what the pointer hits and what the background fills.
QPainterPath fancyShape(TBtnShape shape, int w, int h, int cornerRadius);
// Ring i of the gradient frame; each fills its whole inside, the next ones paint over it.
QPainterPath fancyRing(TBtnShape shape, int w, int h, int cornerRadius, int i);
// The pressed face's outline before the four fills move it.
QPainterPath fancyPressedFace(TBtnShape shape, int w, int h, int cornerRadius);

struct TFancyLayout
{
    int GlyphLeft = 0;
    int GlyphTop = 0;
    int CaptionLeft = 0;
    int CaptionTop = 0;
    bool operator==(const TFancyLayout&) const = default;
};

// Placement of the glyph cell (cw x gh) and the caption (tw x th), d pixels apart, on a w x h button.
TFancyLayout fancyLayout(TBmpLayout layout, int w, int h, int cw, int gh, int d, int tw, int th);

} // namespace horavine
