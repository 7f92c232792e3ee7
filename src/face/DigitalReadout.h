#pragma once

// The digital read-out `srsDigit`: a label in a framed box on a point at (0, Y), face units.

#include "face/ClockSkin.h"

#include <QFont>
#include <QString>

namespace horavine {

enum TShapeStyle : int { fosRectangle = 0, fosRoundRectangle };

struct DigitalReadout
{
    double Y = 0.0; // face units; x is always 0
    QString Label;
    bool HasPoint = false; // the point is added once, by the first tick; nothing is drawn before
    bool Active = true;
    QString FontName = QStringLiteral("Arial"); // "Default" is the system's default font
    int FontSize = 8; // points
    TColor FontColor = 0;
    TColor FrameColor = 0; // the 1-pixel frame
    TColor FillColor = 0x00FFFFFF;
    int ShapeStyle = fosRectangle; // a TShapeStyle
    int ArrowLength = 0; // pixels; a negative value moves the box down

    void setPoint(double y, const QString& label)
    {
        Y = y;
        Label = label;
        HasPoint = true;
    }

    // Regular style at FontSize, held within 1..1000 points so a damaged skin still draws.
    QFont font() const;
};

// The character height in pixels of a point size at a resolution: nearest(points * dpi / 72).
int CharacterHeight(int points, int dpiY);
// The primary screen's logical resolution, or 96 when there is no screen.
int ScreenDpiY();

} // namespace horavine
