#include "face/FaceSurface.h"

#include <QPainter>
#include <algorithm>

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

} // namespace

FaceSurface::FaceSurface(QSize size)
    : m_size(Bounded(size))
{
}

void FaceSurface::setSize(QSize size)
{
    m_size = Bounded(size);
}

FaceSurface::LayerKey FaceSurface::layerKey() const
{
    const FaceOverlay::OverlayBrush& brush = m_colorBand.Brush;
    // cacheKey changes whenever the picture is replaced or written to.
    return LayerKey{m_size, brush.Style, brush.Color, brush.Image.cacheKey(), brush.ImageIsPattern};
}

const QImage& FaceSurface::overlayLayer() const
{
    const LayerKey key = layerKey();
    if (m_layerKey != key) {
        m_layer = PaintOverlayLayer(m_colorBand, m_size);
        m_layerKey = key;
    }
    return m_layer;
}

QImage FaceSurface::composite() const
{
    const CompositeKey key{layerKey(), std::clamp(m_colorBand.Transparency, 0, 100), m_backImage.cacheKey()};
    if (m_compositeKey == key)
        return m_composite;

    QImage picture;
    if (m_backImage.size() == m_size) {
        picture = m_backImage.convertToFormat(QImage::Format_RGB32);
    } else {
        // A picture of another size is centred; what it leaves uncovered is black.
        picture = QImage(m_size, QImage::Format_RGB32);
        picture.fill(Qt::black);
        if (!m_backImage.isNull()) {
            QPainter painter(&picture);
            painter.drawImage(FloorHalf(m_size.width() - m_backImage.width()),
                              FloorHalf(m_size.height() - m_backImage.height()), m_backImage);
        }
    }
    MixOverlayLayer(picture, overlayLayer(), key.transparency);

    m_composite = picture;
    m_compositeKey = key;
    return m_composite;
}

void FaceSurface::paintElements(QPainter& painter) const
{
    const bool marker = m_srsSec.HasPoint && m_srsSec.Active;
    const bool readout = m_srsDigit.HasPoint && m_srsDigit.Active;
    if (!marker && !readout)
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), m_size), Qt::IntersectClip);
    if (marker)
        PaintSecondMarker(painter, m_srsSec, m_size);
    if (readout)
        PaintDigitalReadout(painter, m_srsDigit, m_size);
    painter.restore();
}

void FaceSurface::paint(QPainter& painter) const
{
    painter.drawImage(0, 0, composite());
    paintElements(painter);
}

QImage FaceSurface::render() const
{
    QImage image(m_size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace horavine
