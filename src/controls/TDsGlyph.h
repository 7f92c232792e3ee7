#pragma once

// The picture of a fancy button: a horizontal strip of Number equal cells, one per state
// (normal, disabled, pressed, hover), and where it sits beside the caption.

#include "controls/FancyTypes.h"

#include <QImage>
#include <QObject>

namespace horavine {

class TDsGlyph : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxNumber = 4;

    explicit TDsGlyph(QObject* parent = nullptr);

    const QImage& Glyph() const { return m_glyph; }
    TBmpLayout Layout() const { return m_layout; }
    int Number() const { return m_number; }
    int Distance() const { return m_distance; }
    // Width of one cell; 0 when the strip is narrower than Number pixels, and then nothing is drawn.
    int CellWidth() const { return m_glyph.width() / m_number; }

    // Pictures are not compared: setting one always reports a change.
    void setGlyph(const QImage& glyph);
    // The others report a change only when the (clamped) value differs from the stored one.
    void setLayout(TBmpLayout layout);
    void setNumber(int number); // held to 1..4
    void setDistance(int distance); // negative becomes 0

Q_SIGNALS:
    void OnGlyphChange(QObject* sender);

private:
    template <typename T> void store(T& field, T value);

    QImage m_glyph;
    TBmpLayout m_layout = lyLeft;
    int m_number = 1;
    int m_distance = 0;
};

} // namespace horavine
