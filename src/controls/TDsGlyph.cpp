#include "controls/TDsGlyph.h"

#include <algorithm>

namespace horavine {

TDsGlyph::TDsGlyph(QObject* parent)
    : QObject(parent)
{
}

template <typename T> void TDsGlyph::store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT OnGlyphChange(this);
}

void TDsGlyph::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    Q_EMIT OnGlyphChange(this);
}

void TDsGlyph::setLayout(TBmpLayout layout)
{
    store(m_layout, layout);
}

void TDsGlyph::setNumber(int number)
{
    store(m_number, std::clamp(number, 1, kMaxNumber));
}

void TDsGlyph::setDistance(int distance)
{
    store(m_distance, std::max(distance, 0));
}

} // namespace horavine
