#include "designer/TColorButton.h"

#include "controls/ColorKey.h"
#include "face/FaceColors.h"

#include <QPainter>

namespace horavine {

TColorButton::TColorButton(const QString& caption, const QString& hint, QWidget* parent)
    : QPushButton(caption, parent)
{
    setToolTip(hint);
    setAccessibleName(hint.isEmpty() ? QString(caption).remove(u'&').trimmed() : hint);
    setIconSize(QSize(kSwatchWidth, kSwatchHeight));
}

void TColorButton::setColor(TColor color)
{
    m_color = color;
    redrawSwatch();
}

QImage TColorButton::Swatch(TColor color, QRgb outline, QRgb buttonFace)
{
    QImage glyph(kSwatchWidth, kSwatchHeight, QImage::Format_RGB32);
    glyph.fill(buttonFace);
    {
        QPainter painter(&glyph);
        painter.setPen(QColor::fromRgb(outline));
        painter.setBrush(QColor::fromRgb(ToQRgb(color)));
        painter.drawRect(1, 0, kSwatchWidth - 2, kSwatchHeight - 1);
        painter.setPen(QColor::fromRgb(buttonFace));
        painter.drawLine(0, 0, 0, kSwatchHeight - 1);
    }
    // The button paints the bottom-left pixel's colour as transparent.
    return ClearColorKey(glyph, glyph.pixel(0, kSwatchHeight - 1));
}

void TColorButton::redrawSwatch()
{
    const QRgb face = palette().color(QPalette::Button).rgb();
    setIcon(QIcon(QPixmap::fromImage(Swatch(m_color, m_swatchDrawn ? face : qRgb(0, 0, 0), face))));
    m_swatchDrawn = true;
}

} // namespace horavine
