#include "face/FaceOverlay.h"

#include "face/FaceColors.h"

#include <QBrush>
#include <QPainter>
#include <algorithm>
#include <vector>

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

QImage PaintOverlayTile(const FaceOverlay& overlay)
{
    const FaceOverlay::OverlayBrush& brush = overlay.Brush;
    if (!brush.Image.isNull())
        return BrushTile(brush);
    if (brush.Style == bsSolid) {
        QImage tile(1, 1, QImage::Format_RGB32);
        tile.fill(ToQRgb(FaceOverlay::Color));
        return tile;
    }
    const Qt::BrushStyle hatch = HatchOf(brush.Style);
    if (hatch == Qt::NoBrush)
        return QImage();
    // One cell of the hatch, painted as the whole surface would be: with the brush origin at the
    // corner the cell repeats every 8 pixels both ways.
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(ToQRgb(brush.Color));
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), QBrush(QColor(ToQRgb(FaceOverlay::Color)), hatch));
    return tile;
}

void MixOverlayTile(QImage& picture, const QImage& tile, int transparency, QPoint origin)
{
    const int t = std::clamp(transparency, 0, 100);
    if (t == 100 || tile.isNull() || picture.isNull())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const QImage tile32 = tile.convertToFormat(QImage::Format_RGB32); // shares the data when already RGB32
    const int keep = 100 - t;
    const int width = picture.width();
    const int tileWidth = tile32.width();
    const int tileHeight = tile32.height();
    // Where the picture's first column and row fall within the tile.
    const int firstColumn = ((origin.x() % tileWidth) + tileWidth) % tileWidth;
    const int firstRow = ((origin.y() % tileHeight) + tileHeight) % tileHeight;
    std::vector<QRgb> row(std::size_t(width) + 2 * std::size_t(tileWidth));
    int rowOfTile = -1;
    for (int y = 0; y < picture.height(); ++y) {
        // The tile's row repeated across the picture, laid out once per row of the tile.
        if ((firstRow + y) % tileHeight != rowOfTile) {
            rowOfTile = (firstRow + y) % tileHeight;
            const QRgb* source = reinterpret_cast<const QRgb*>(tile32.constScanLine(rowOfTile));
            for (int x = 0; x < firstColumn + width; x += tileWidth)
                std::copy(source, source + tileWidth, row.begin() + x);
        }
        const QRgb* over = row.data() + firstColumn;
        QRgb* under = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (t == 0) {
            std::copy(over, over + width, under);
            continue;
        }
        const uchar* overBytes = reinterpret_cast<const uchar*>(over);
        uchar* underBytes = reinterpret_cast<uchar*>(under);
        // Byte by byte over whole RGB32 rows: the unused alpha byte is mixed too and stays 0xFF.
        for (int i = 0; i < width * 4; ++i)
            underBytes[i] = uchar((overBytes[i] * keep + underBytes[i] * t + 50) / 100);
    }
}

} // namespace horavine
