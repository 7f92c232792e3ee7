#pragma once

// The look of a fancy button: face and frame colours, frame style and width, shape, caption relief.

#include "controls/FancyTypes.h"

#include <QObject>

namespace horavine {

class TDsEffect : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinFrameWidth = 3;
    static constexpr int kMaxFrameWidth = 14;
    static constexpr int kMaxCornerRadius = 145; // half the tallest button

    explicit TDsEffect(QObject* parent = nullptr);

    TColor FaceColor() const { return m_faceColor; }
    TColor FrameColor() const { return m_frameColor; }
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    int FrameWidth() const { return m_frameWidth; }
    TColor HoverColor() const { return m_hoverColor; }
    TBtnShape Shape() const { return m_shape; }
    int CornerRadius() const { return m_cornerRadius; }
    TTextStyle TextStyle() const { return m_textStyle; }

    // Each setter stores and reports a change only when the (clamped) value differs from the stored one.
    void setFaceColor(TColor color);
    void setFrameColor(TColor color);
    void setFrameStyle(TFrameStyle style);
    void setFrameWidth(int width); // held to 3..14
    void setHoverColor(TColor color);
    void setShape(TBtnShape shape);
    void setCornerRadius(int radius); // held to 0..145
    void setTextStyle(TTextStyle style);

Q_SIGNALS:
    void OnEffectChange(QObject* sender);

private:
    template <typename T> void store(T& field, T value);

    TColor m_faceColor = clBtnFace;
    TColor m_frameColor = clGray;
    TFrameStyle m_frameStyle = fmGradient;
    int m_frameWidth = 4;
    TColor m_hoverColor = clBlue;
    TBtnShape m_shape = btnRectangle;
    int m_cornerRadius = 6;
    TTextStyle m_textStyle = txLowered;
};

} // namespace horavine
