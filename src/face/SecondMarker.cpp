#include "face/SecondMarker.h"

#include "face/FaceColors.h"
#include "face/FaceUnits.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace horavine {

namespace {

// Filled without a pen, then outlined edge by edge: the outline of a stroked polygon can miss a
// corner pixel, separate lines keep every corner.
void DrawOutlinedPolygon(QPainter& painter, const QPolygon& corners, const QPen& pen)
{
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(corners);
    painter.setPen(pen);
    for (int i = 0; i < corners.size(); ++i)
        painter.drawLine(corners[i], corners[(i + 1) % corners.size()]);
}

// Far beyond any surface; keeps the coordinates of a damaged skin's marker within what the
// rasteriser handles.
constexpr int kLargestHalfSize = 1 << 16;

} // namespace

void PaintSecondMarker(QPainter& painter, const SecondMarker& marker, QSize surface)
{
    const int px = FaceUnitColumn(marker.X, surface.width());
    const int py = FaceUnitRow(marker.Y, surface.height());
    const int s = std::min(FaceUnitLength(marker.Radius, surface.height()), kLargestHalfSize);
    if (!QRect(QPoint(px - s, py - s), QPoint(px + s, py + s)).intersects(QRect(QPoint(0, 0), surface)))
        return;

    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPen pen(QColor(ToQRgb(marker.PenColor)), 0); // cosmetic: one pixel at any scale
    painter.setPen(pen);
    if (marker.FillStyle == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(QColor(ToQRgb(marker.FillColor)));

    // Qt skips closed figures of no size; a marker on a band of no width still shows its centre.
    if (s == 0) {
        if (marker.PointerStyle >= psRectangle && marker.PointerStyle <= psDiamond)
            painter.drawPoint(px, py);
        return;
    }

    const int left = px - s;
    const int top = py - s;
    const int right = px + s;
    const int bottom = py + s;
    switch (marker.PointerStyle) {
    case psRectangle:
        // A stroked QRect covers one pixel more than its size each way.
        painter.drawRect(QRect(left, top, 2 * s, 2 * s));
        break;
    case psCircle:
        painter.drawEllipse(QRect(left, top, 2 * s, 2 * s));
        break;
    case psTriangle:
        DrawOutlinedPolygon(painter, QPolygon({QPoint(left, bottom), QPoint(right, bottom), QPoint(px, top)}), pen);
        break;
    case psDiamond:
        DrawOutlinedPolygon(painter,
                            QPolygon({QPoint(left, py), QPoint(px, top), QPoint(right, py), QPoint(px, bottom)}), pen);
        break;
    case psStar:
        painter.drawLine(left, top, right, bottom);
        painter.drawLine(left, bottom, right, top);
        [[fallthrough]];
    case psCross:
        painter.drawLine(px, top, px, bottom);
        painter.drawLine(left, py, right, py);
        break;
    default:
        break;
    }
}

} // namespace horavine
