#include "face/FaceLine.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace horavine {

void DrawFaceLine(QPainter& painter, QPoint from, QPoint to, QRgb color, int width)
{
    int w = std::max(width, 1);
    if (const QPaintDevice* device = painter.device()) {
        // A round-ended line wider than twice the picture's diagonal already covers all of it;
        // capping the width spares the rasteriser absurd skin values.
        const int cover = 4 * (device->width() + device->height()) + 16;
        w = std::min(w, cover);
    }
    QPen pen(QColor::fromRgb(color), w, Qt::SolidLine, w > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.drawLine(from, to);
}

} // namespace horavine
