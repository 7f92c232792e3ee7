#include "controls/TDsEffect.h"

#include <algorithm>

namespace horavine {

TDsEffect::TDsEffect(QObject* parent)
    : QObject(parent)
{
}

template <typename T> void TDsEffect::store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT OnEffectChange(this);
}

void TDsEffect::setFaceColor(TColor color)
{
    store(m_faceColor, color);
}

void TDsEffect::setFrameColor(TColor color)
{
    store(m_frameColor, color);
}

void TDsEffect::setFrameStyle(TFrameStyle style)
{
    store(m_frameStyle, style);
}

void TDsEffect::setFrameWidth(int width)
{
    store(m_frameWidth, std::clamp(width, kMinFrameWidth, kMaxFrameWidth));
}

void TDsEffect::setHoverColor(TColor color)
{
    store(m_hoverColor, color);
}

void TDsEffect::setShape(TBtnShape shape)
{
    store(m_shape, shape);
}

void TDsEffect::setCornerRadius(int radius)
{
    store(m_cornerRadius, std::clamp(radius, 0, kMaxCornerRadius));
}

void TDsEffect::setTextStyle(TTextStyle style)
{
    store(m_textStyle, style);
}

} // namespace horavine
