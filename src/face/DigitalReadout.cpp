#include "face/DigitalReadout.h"

#include "face/FaceColors.h"
#include "face/FaceGeometry.h"
#include "face/FaceUnits.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace horavine {

namespace {

constexpr int kCornerSize = 16; // the rounded box's corner ellipses, pixels

int FloorDiv2(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

QFont DigitalReadout::font() const
{
    QFont result;
    if (FontName.compare(QLatin1String("Default"), Qt::CaseInsensitive) != 0)
        result.setFamily(FontName);
    result.setPointSize(std::clamp(FontSize, 1, 1000));
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    return result;
}

int CharacterHeight(int points, int dpiY)
{
    return NearestInt(double(points) * dpiY / 72.0);
}

int ScreenDpiY()
{
    if (qGuiApp != nullptr) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return qRound(screen->logicalDotsPerInchY());
    }
    return 96;
}

QRect ReadoutBox(const DigitalReadout& readout, const QFontMetrics& metrics, QSize surface)
{
    const int px = FaceUnitColumn(0.0, surface.width());
    const int py = FaceUnitRow(readout.Y, surface.height());
    const int width = metrics.horizontalAdvance(readout.Label) + metrics.horizontalAdvance(QLatin1Char('W')) + 2;
    const int height = metrics.height() + 2; // one line and the frame above and below
    const int left = px - FloorDiv2(width);
    const int top = py - height + 1 - readout.ArrowLength;
    return QRect(left, top, width, height);
}

void PaintDigitalReadout(QPainter& painter, const DigitalReadout& readout, QSize surface)
{
    if (qGuiApp == nullptr)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(readout.font());
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box = ReadoutBox(readout, metrics, surface);

    painter.setPen(QPen(QColor(ToQRgb(readout.FrameColor)), 0));
    painter.setBrush(QColor(ToQRgb(readout.FillColor)));
    // A stroked rectangle covers one pixel more than its size each way; this one covers the box.
    const QRect outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (readout.ShapeStyle == fosRoundRectangle)
        painter.drawRoundedRect(outline, kCornerSize / 2, kCornerSize / 2);
    else
        painter.drawRect(outline);

    // Centred on (left + 2 + right) / 2, right being the first column past the box.
    const int centre = FloorDiv2(box.left() + 2 + box.left() + box.width());
    const int textLeft = centre - FloorDiv2(metrics.horizontalAdvance(readout.Label));
    painter.setPen(QColor(ToQRgb(readout.FontColor)));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPoint(textLeft, box.top() + 1 + metrics.ascent()), readout.Label);
}

} // namespace horavine
