#include "face/ReadoutLayout.h"

#include "GuiTestApp.h"
#include "face/FaceColors.h"
#include "face/FaceUnits.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

constexpr QRgb kBackground = qRgb(255, 255, 255);
const QSize kSurface(300, 300);

int FloorDiv2(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

// The read-out as QPainter::drawText draws it, measured with QFontMetrics at each paint: the rule
// the cached layout must reproduce pixel for pixel.
QImage DrawnWithDrawText(const DigitalReadout& readout)
{
    QImage image(kSurface, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(readout.font());
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(readout.Label) + metrics.horizontalAdvance(QLatin1Char('W')) + 2;
    const int height = metrics.height() + 2;
    const QRect box(FaceUnitColumn(0.0, kSurface.width()) - FloorDiv2(width),
                    FaceUnitRow(readout.Y, kSurface.height()) - height + 1 - readout.ArrowLength, width, height);
    painter.setPen(QPen(QColor(ToQRgb(readout.FrameColor)), 0));
    painter.setBrush(QColor(ToQRgb(readout.FillColor)));
    const QRect outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (readout.ShapeStyle == fosRoundRectangle)
        painter.drawRoundedRect(outline, 8, 8);
    else
        painter.drawRect(outline);
    const int centre = FloorDiv2(box.left() + 2 + box.left() + box.width());
    painter.setPen(QColor(ToQRgb(readout.FontColor)));
    painter.drawText(
        QPoint(centre - FloorDiv2(metrics.horizontalAdvance(readout.Label)), box.top() + 1 + metrics.ascent()),
        readout.Label);
    return image;
}

QImage DrawnWithLayout(ReadoutLayout& layout, const DigitalReadout& readout)
{
    QImage image(kSurface, QImage::Format_RGB32);
    image.fill(kBackground);
    layout.prepare(readout, image.logicalDpiY());
    QPainter painter(&image);
    layout.paint(painter, readout, kSurface);
    return image;
}

QRect PaintedBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBackground)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(ReadoutLayout, PaintsWhatDrawTextPaintsForEverySecondOfAClock)
{
    test::EnsureGuiApplication();
    // Labels in the order ticks bring them, so the layout reuses what it learnt: the glyphs of
    // characters met before, pairs a font kerns ("AV", "To"), characters beyond ASCII and an
    // empty label in between.
    // clang-format off
    const QStringList labels = {
        "9:59:58 PM", "9:59:59 PM", "10:00:00 PM", "10:00:01 PM", "23:59:59", "0:00:00", "11:11:11",
        "AV To WA", "", "12:34 µs", "10:10 ", "fi ffl", "1:01:01 AM",
    };
    // clang-format on
    for (const char* family : {"DejaVu Sans", "Liberation Serif", "Default"}) {
        for (int points : {8, 21}) {
            ReadoutLayout layout;
            for (const QString& label : labels) {
                SCOPED_TRACE(testing::Message() << family << " " << points << " \"" << label.toStdString() << "\"");
                DigitalReadout readout;
                readout.setPoint(-3, label);
                readout.FontName = QString::fromLatin1(family);
                readout.FontSize = points;
                readout.ArrowLength = -6;
                readout.FrameColor = 0x000000C8;
                readout.FillColor = 0x00B4FAFA;
                readout.ShapeStyle = points == 8 ? fosRectangle : fosRoundRectangle;
                const QImage expected = DrawnWithDrawText(readout);
                const QImage image = DrawnWithLayout(layout, readout);
                EXPECT_EQ(image, expected);
                ReadoutLayout fresh;
                EXPECT_EQ(DrawnWithLayout(fresh, readout), expected);
                // Everything painted lies within the bounds a tick repaints.
                const QRect bounds = layout.bounds(readout, kSurface);
                EXPECT_EQ(PaintedBounds(image) | bounds, bounds);
            }
        }
    }
}
