#include "face/FaceOverlay.h"

#include "face/FaceColors.h"

#include <QBrush>
#include <QPainter>
#include <algorithm>

namespace horavine {

namespace {

Qt::BrushStyle HatchOf(int style)
{
    // Qt's hatch brushes are the standard 8 x 8 patterns; with the brush origin at 0,0 they are
    // anchored at the surface's top-left corner.
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// One tile of the brush's picture in the colours it is painted in.
QImage BrushTile(const FaceOverlay::OverlayBrush& brush)
{
    const QRgb background = ToQRgb(brush.Color);
    QImage tile(brush.Image.size(), QImage::Format_RGB32);
    if (tile.isNull())
        return tile;
    if (brush.ImageIsPattern) {
        const QImage source = brush.Image.convertToFormat(QImage::Format_RGB32);
        const QRgb ink = ToQRgb(FaceOverlay::Color);
        for (int y = 0; y < tile.height(); ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            QRgb* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int x = 0; x < tile.width(); ++x)
                out[x] = qGray(in[x]) < 128 ? ink : background;
        }
        return tile;
    }
    // Transparent parts of a picture show the brush colour, as the gaps of a pattern do.
    tile.fill(background);
    QPainter painter(&tile);
    painter.drawImage(0, 0, brush.Image);
    return tile;
}

} // namespace

QImage PaintOverlayLayer(const FaceOverlay& overlay, QSize size)
{
    const FaceOverlay::OverlayBrush& brush = overlay.Brush;
    const bool hasImage = !brush.Image.isNull();
    const Qt::BrushStyle hatch = HatchOf(brush.Style);
    if (!hasImage && brush.Style != bsSolid && hatch == Qt::NoBrush)
        return QImage();

    QImage layer(size, QImage::Format_RGB32);
    if (layer.isNull())
        return layer;
    if (hasImage) {
        const QImage tile = BrushTile(brush);
        if (tile.isNull())
            return QImage();
        QPainter painter(&layer);
        painter.fillRect(layer.rect(), QBrush(tile));
    } else if (brush.Style == bsSolid) {
        layer.fill(ToQRgb(FaceOverlay::Color));
    } else {
        layer.fill(ToQRgb(brush.Color));
        QPainter painter(&layer);
        painter.fillRect(layer.rect(), QBrush(QColor(ToQRgb(FaceOverlay::Color)), hatch));
    }
    return layer;
}

void MixOverlayLayer(QImage& picture, const QImage& layer, int transparency)
{
    const int t = std::clamp(transparency, 0, 100);
    if (t == 100 || layer.isNull() || picture.size() != layer.size())
        return;
    if (t == 0) {
        picture = layer.convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const QImage over32 = layer.convertToFormat(QImage::Format_RGB32); // shares the data when already RGB32
    const int keep = 100 - t;
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* over = over32.constScanLine(y);
        uchar* under = picture.scanLine(y);
        // Byte by byte over whole RGB32 rows: the unused alpha byte is mixed too and stays 0xFF.
        for (int i = 0; i < width * 4; ++i)
            under[i] = uchar((over[i] * keep + under[i] * t + 50) / 100);
    }
}

} // namespace horavine
