#pragma once

// The face drawing surface `Chart1`: a small retained scene of one face picture and three
// elements over it, painted in a fixed order.

#include "face/DigitalReadout.h"
#include "face/FaceOverlay.h"
#include "face/ReadoutLayout.h"
#include "face/SecondMarker.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <optional>

class QPainter;

namespace horavine {

class FaceSurface
{
public:
    static constexpr int kMinimumSide = 50;
    static constexpr int kMaximumSide = 10000; // only a damaged skin asks for more

    explicit FaceSurface(QSize size = QSize(400, 400));

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QSize size() const { return m_size; }
    void setSize(QSize size); // each side held within kMinimumSide..kMaximumSide

    // Sizes and places are in logical pixels; the face itself is drawn in device pixels, the
    // logical size times this ratio (a high-resolution screen has 2), so that its edges stay
    // sharp. A ratio that would make a side larger than kMaximumSide is lowered to fit.
    qreal devicePixelRatio() const { return m_ratio; }
    void setDevicePixelRatio(qreal ratio);
    QSize deviceSize() const;

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The face picture in device pixels, painted centred on the surface; the surface keeps its
    // own copy.
    const QImage& BackImage() const { return m_backImage; }
    void setBackImage(const QImage& picture) { m_backImage = picture; }

    FaceOverlay& ColorBand() { return m_colorBand; }
    const FaceOverlay& ColorBand() const { return m_colorBand; }
    SecondMarker& srsSec() { return m_srsSec; }
    const SecondMarker& srsSec() const { return m_srsSec; }
    DigitalReadout& srsDigit() { return m_srsDigit; }
    const DigitalReadout& srsDigit() const { return m_srsDigit; }

    // Everything, in order: face picture, overlay, marker if active, read-out if active; the
    // surface's top-left corner at the painter's origin, which works in logical pixels.
    void paint(QPainter& painter) const;
    // The same within an area (logical pixels) only: the cached face is copied for that area
    // alone, and what the marker and the read-out paint outside it is left to the painter's clip.
    void paint(QPainter& painter, const QRegion& area) const;
    // The face picture with the overlay mixed in (RGB32, device pixels, carrying the device pixel
    // ratio). Not kept: painting mixes the overlay into just the pixels it is asked for, so the
    // clock holds no second copy of its face.
    QImage composite() const;
    // The marker and the read-out alone, clipped to the surface.
    void paintElements(QPainter& painter) const;
    // paint() into a new RGB32 picture of the surface's device size and ratio.
    QImage render() const;

    // What the marker and the read-out cover as they would be painted now, in logical pixels
    // within the surface; empty when they paint nothing. A tick repaints these before and after
    // it moves them, and nothing else.
    QRect markerBounds() const;
    QRect readoutBounds() const;
    // The read-out's bounds, its box alone, and what each character of its label covers (none
    // when the label was shaped whole): a new label in the same box needs only its changed
    // characters repainted.
    struct ReadoutAreas
    {
        QRect bounds;
        QRect box;
        QList<QRect> characters;
    };
    ReadoutAreas readoutAreas() const;

private:
    struct LayerKey
    {
        int style = 0;
        TColor color = 0;
        qint64 image = 0;
        bool pattern = false;
        bool operator==(const LayerKey&) const = default;
    };
    LayerKey layerKey() const;
    bool prepareReadout() const; // false when the read-out paints nothing
    const QImage& overlayTile() const;
    bool mixesOverlay() const;
    // The face with the overlay mixed in, for a rectangle of device pixels within the surface.
    QImage piece(const QRect& device) const;

    QSize m_size;
    qreal m_ratio = 1.0;
    bool m_visible = false;
    int m_tag = -1;
    QImage m_backImage;
    FaceOverlay m_colorBand;
    SecondMarker m_srsSec;
    DigitalReadout m_srsDigit;

    // Painting runs every second while these change a few times a day: the elements are plain
    // data, so the caches compare what they were built from instead of being told of changes.
    mutable std::optional<LayerKey> m_layerKey;
    mutable QImage m_tile;
    // Laid out at the resolution of the last painter (the screen's before the first paint).
    mutable ReadoutLayout m_readoutLayout;
};

} // namespace horavine
