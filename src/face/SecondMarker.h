#pragma once

// The second marker `srsSec`: one figure round a point, sized by a radius, all in face units.

#include "face/ClockSkin.h"
#include "face/FaceOverlay.h"

#include <QSize>

class QPainter;

namespace horavine {

enum TPointerStyle : int { psRectangle = 0, psCircle, psTriangle, psCross, psStar, psDiamond };

struct SecondMarker
{
    double X = 0.0; // centre, face units
    double Y = 0.0;
    double Radius = 0.0; // half the figure's size, face units
    bool HasPoint = false; // the point is added once, by the first tick; nothing is drawn before
    bool Active = true;
    int PointerStyle = psCircle; // a TPointerStyle; any other number draws nothing
    TColor PenColor = 0; // 1-pixel solid outline
    TColor FillColor = 0x00FFFFFF;
    int FillStyle = bsSolid; // bsClear draws the outline only

    void setPoint(double x, double y, double radius)
    {
        X = x;
        Y = y;
        Radius = radius;
        HasPoint = true;
    }
};

// Draws the figure, aliased, on a surface of the given size. Every figure spans the pixels
// px - s .. px + s and py - s .. py + s, s being the pixel length of the radius; s = 0 is one pixel.
void PaintSecondMarker(QPainter& painter, const SecondMarker& marker, QSize surface);

} // namespace horavine
