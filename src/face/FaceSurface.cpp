#include "face/FaceSurface.h"

#include "face/FaceUnits.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace horavine {

namespace {

QSize Bounded(QSize size)
{
    return QSize(std::clamp(size.width(), FaceSurface::kMinimumSide, FaceSurface::kMaximumSide),
                 std::clamp(size.height(), FaceSurface::kMinimumSide, FaceSurface::kMaximumSide));
}

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

// The logical pixels that hold every part of a rectangle of device pixels.
QRect LogicalCover(const QRect& device, qreal ratio)
{
    if (device.isEmpty())
        return QRect();
    const int left = int(std::floor(device.left() / ratio));
    const int top = int(std::floor(device.top() / ratio));
    const int right = int(std::ceil((device.right() + 1) / ratio));
    const int bottom = int(std::ceil((device.bottom() + 1) / ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

FaceSurface::FaceSurface(QSize size)
    : m_size(Bounded(size))
{
}

void FaceSurface::setSize(QSize size)
{
    m_size = Bounded(size);
    setDevicePixelRatio(m_ratio);
}

void FaceSurface::setDevicePixelRatio(qreal ratio)
{
    if (!(ratio > 0.0) || !std::isfinite(ratio))
        ratio = 1.0;
    const int side = std::max(m_size.width(), m_size.height());
    m_ratio = std::min(ratio, qreal(kMaximumSide) / side);
}

QSize FaceSurface::deviceSize() const
{
    return QSize(qRound(m_size.width() * m_ratio), qRound(m_size.height() * m_ratio));
}

FaceSurface::LayerKey FaceSurface::layerKey() const
{
    const FaceOverlay::OverlayBrush& brush = m_colorBand.Brush;
    // cacheKey changes whenever the picture is replaced or written to.
    return LayerKey{brush.Style, brush.Color, brush.Image.cacheKey(), brush.ImageIsPattern};
}

const QImage& FaceSurface::overlayTile() const
{
    const LayerKey key = layerKey();
    if (m_layerKey != key) {
        m_tile = PaintOverlayTile(m_colorBand);
        m_layerKey = key;
    }
    return m_tile;
}

bool FaceSurface::mixesOverlay() const
{
    return std::clamp(m_colorBand.Transparency, 0, 100) != 100 && !overlayTile().isNull();
}

QImage FaceSurface::piece(const QRect& device) const
{
    QImage picture;
    if (m_backImage.size() == deviceSize() && m_backImage.format() == QImage::Format_RGB32) {
        picture = m_backImage.copy(device);
    } else {
        // A picture of another size is centred; what it leaves uncovered is black.
        picture = QImage(device.size(), QImage::Format_RGB32);
        picture.fill(Qt::black);
        if (!m_backImage.isNull()) {
            QImage back = m_backImage;
            back.setDevicePixelRatio(1.0);
            QPainter painter(&picture);
            const QSize size = deviceSize();
            painter.drawImage(QPoint(FloorHalf(size.width() - back.width()), FloorHalf(size.height() - back.height()))
                                  - device.topLeft(),
                              back);
        }
    }
    MixOverlayTile(picture, overlayTile(), m_colorBand.Transparency, device.topLeft());
    return picture;
}

QImage FaceSurface::composite() const
{
    QImage picture = piece(QRect(QPoint(0, 0), deviceSize()));
    picture.setDevicePixelRatio(m_ratio);
    return picture;
}

void FaceSurface::paintElements(QPainter& painter) const
{
    const bool marker = m_srsSec.HasPoint && m_srsSec.Active;
    const bool readout = m_srsDigit.HasPoint && m_srsDigit.Active;
    if (!marker && !readout)
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), m_size), Qt::IntersectClip);
    if (marker) {
        // In device pixels, as the face under it: at twice the ratio the marker is the one a face
        // twice the size would show, not the small one blown up.
        painter.save();
        painter.scale(1.0 / m_ratio, 1.0 / m_ratio);
        PaintSecondMarker(painter, m_srsSec, deviceSize());
        painter.restore();
    }
    if (readout) {
        // The read-out keeps its size in points; the painter draws its glyphs at the device's
        // own resolution.
        m_readoutLayout.prepare(m_srsDigit, painter.device() ? painter.device()->logicalDpiY() : ScreenDpiY());
        m_readoutLayout.paint(painter, m_srsDigit, m_size);
    }
    painter.restore();
}

void FaceSurface::paint(QPainter& painter) const
{
    paint(painter, QRegion(QRect(QPoint(0, 0), m_size)));
}

void FaceSurface::paint(QPainter& painter, const QRegion& area) const
{
    const QRect deviceBounds(QPoint(0, 0), deviceSize());
    // Without an overlay to mix in, a picture of the face's size is copied straight from.
    const bool direct = !mixesOverlay() && m_backImage.size() == deviceBounds.size();
    for (const QRect& rect : area& QRect(QPoint(0, 0), m_size)) {
        const QRectF source(rect.x() * m_ratio, rect.y() * m_ratio, rect.width() * m_ratio, rect.height() * m_ratio);
        if (direct) {
            painter.drawImage(QRectF(rect), m_backImage, source);
            continue;
        }
        // The face with the overlay mixed in, for these pixels alone (with a pixel to spare each
        // way for the painter's sampling at a ratio that is not whole).
        const QRect device = source.toAlignedRect().adjusted(-1, -1, 1, 1) & deviceBounds;
        painter.drawImage(QRectF(rect), piece(device), source.translated(-device.topLeft()));
    }
    paintElements(painter);
}

QImage FaceSurface::render() const
{
    QImage image(deviceSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(m_ratio);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QRect FaceSurface::markerBounds() const
{
    if (!m_srsSec.HasPoint || !m_srsSec.Active)
        return QRect();
    const QSize device = deviceSize();
    const int px = FaceUnitColumn(m_srsSec.X, device.width());
    const int py = FaceUnitRow(m_srsSec.Y, device.height());
    const int s = std::min(FaceUnitLength(m_srsSec.Radius, device.height()), kMaximumSide);
    // Every figure keeps within px - s .. px + s both ways; a pixel more each way allows for the
    // rasteriser's rounding of the outline.
    const QRect figure(QPoint(px - s - 1, py - s - 1), QPoint(px + s + 1, py + s + 1));
    return LogicalCover(figure & QRect(QPoint(0, 0), device), m_ratio);
}

bool FaceSurface::prepareReadout() const
{
    if (!m_srsDigit.HasPoint || !m_srsDigit.Active)
        return false;
    const int dpi = m_readoutLayout.dpiY() > 0 ? m_readoutLayout.dpiY() : ScreenDpiY();
    m_readoutLayout.prepare(m_srsDigit, dpi);
    return true;
}

QRect FaceSurface::readoutBounds() const
{
    if (!prepareReadout())
        return QRect();
    return m_readoutLayout.bounds(m_srsDigit, m_size) & QRect(QPoint(0, 0), m_size);
}

FaceSurface::ReadoutAreas FaceSurface::readoutAreas() const
{
    ReadoutAreas areas;
    if (!prepareReadout())
        return areas;
    const QRect surface(QPoint(0, 0), m_size);
    areas.bounds = m_readoutLayout.bounds(m_srsDigit, m_size) & surface;
    areas.box = m_readoutLayout.box(m_srsDigit, m_size);
    areas.characters = m_readoutLayout.characterBounds(m_srsDigit, m_size);
    for (QRect& area : areas.characters)
        area &= surface;
    return areas;
}

} // namespace horavine
