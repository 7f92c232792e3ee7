#pragma once

// A designer button that holds a skin colour and shows it as a swatch glyph beside its caption.

#include "face/ClockSkin.h"

#include <QPushButton>

namespace horavine {

class TColorButton : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int kSwatchWidth = 28;
    static constexpr int kSwatchHeight = 15;

    TColorButton(const QString& caption, const QString& hint, QWidget* parent = nullptr);

    TColor color() const { return m_color; } // the button's tag
    void setColor(TColor color); // takes the colour and draws a new swatch

    // The glyph: columns 1..27 filled with the colour and outlined with the pen of the glyph's
    // canvas (black for the first swatch, the button face after it), column 0 in the button
    // face, which is also the colour drawn as transparent (the bottom-left pixel's).
    static QImage Swatch(TColor color, QRgb outline, QRgb buttonFace);
    void redrawSwatch();

private:
    TColor m_color = 0;
    bool m_swatchDrawn = false;
};

} // namespace horavine
