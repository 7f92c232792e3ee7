#include "controls/OptionsButtons.h"

#include "controls/TDsFancyButton.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace horavine {

namespace {

constexpr int kGlyphSize = 20;
constexpr QRgb kClearKey = qRgb(255, 0, 255);

struct ButtonRow
{
    const char* objectName;
    const char* caption;
    QSize size;
    int cornerRadius;
    int distance;
    bool ownFont; // false: the parent's font
};

const ButtonRow& rowOf(OptionsButton which)
{
    static const ButtonRow rows[] = {
        {"sbSaveSettings", QT_TRANSLATE_NOOP("OptionsButtons", "Save skin as..."), {129, 41}, 3, 4, false},
        {"bbClose", QT_TRANSLATE_NOOP("OptionsButtons", "Close the clock"), {145, 36}, 6, 4, true},
        {"bbDone", QT_TRANSLATE_NOOP("OptionsButtons", "Done"), {97, 36}, 6, 9, true},
    };
    return rows[int(which)];
}

void drawCheckMark(QPainter& painter)
{
    painter.setPen(QPen(QColor(0, 128, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{3.5, 10.5}, {8.0, 15.0}, {16.5, 4.5}}));
}

void drawPowerSign(QPainter& painter)
{
    painter.setPen(QPen(QColor(176, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(3.5, 4.5, 13.0, 13.0), 125 * 16, 290 * 16); // open at the top
    painter.drawLine(QPointF(10.0, 2.5), QPointF(10.0, 10.0));
}

void drawDisk(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    QPainterPath body;
    body.moveTo(3, 2);
    body.lineTo(15, 2);
    body.lineTo(18, 5);
    body.lineTo(18, 18);
    body.lineTo(3, 18);
    body.closeSubpath();
    painter.fillPath(body, QColor(24, 64, 160));
    painter.fillRect(QRectF(7, 2, 7, 5), QColor(200, 200, 210)); // shutter
    painter.fillRect(QRectF(11, 3, 2, 3), QColor(24, 64, 160));
    painter.fillRect(QRectF(5, 10, 11, 8), Qt::white); // label
    painter.fillRect(QRectF(7, 12, 7, 1), QColor(150, 150, 150));
    painter.fillRect(QRectF(7, 15, 7, 1), QColor(150, 150, 150));
}

} // namespace

QImage OptionsButtonGlyph(OptionsButton which)
{
    QImage drawn(kGlyphSize, kGlyphSize, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (which) {
        case OptionsButton::SaveSkin:
            drawDisk(painter);
            break;
        case OptionsButton::CloseClock:
            drawPowerSign(painter);
            break;
        case OptionsButton::Done:
            drawCheckMark(painter);
            break;
        }
    }
    // The button keys out one exact colour, so soft edges would leave a fringe of it: every pixel is
    // either the picture's own colour or the key.
    QImage glyph(kGlyphSize, kGlyphSize, QImage::Format_RGB32);
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            glyph.setPixel(x, y, qAlpha(pixel) >= 128 ? (pixel | 0xFF000000) : kClearKey);
        }
    }
    glyph.setPixel(0, kGlyphSize - 1, kClearKey);
    return glyph;
}

void StyleOptionsButton(TDsFancyButton& button, OptionsButton which)
{
    const ButtonRow& row = rowOf(which);
    button.setObjectName(QLatin1String(row.objectName));
    button.setText(QCoreApplication::translate("OptionsButtons", row.caption));

    TDsEffect& fx = button.FancyEffects();
    fx.setFrameStyle(fmGradient);
    fx.setShape(btnRectangle);
    fx.setFrameWidth(4);
    fx.setFrameColor(clGray);
    fx.setHoverColor(clBlue);
    fx.setFaceColor(clBtnFace);
    fx.setTextStyle(txNone);
    fx.setCornerRadius(row.cornerRadius);

    TDsGlyph& glyphs = button.Glyphs();
    glyphs.setLayout(lyLeft);
    glyphs.setNumber(1);
    glyphs.setDistance(row.distance);
    glyphs.setGlyph(OptionsButtonGlyph(which));

    if (row.ownFont) {
        // The family does not exist on most desktops; the sans-serif hint makes the fallback a plain
        // sans face of the same size and weight.
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(13);
        font.setBold(true);
        button.setFont(font);
        button.setFontColor(clBlack);
    } else {
        button.setFont(QFont()); // nothing set: the parent's font
        button.setFontColor(clWindowText);
    }
    // The sizes were drawn for the English captions; a longer translation widens the button by what
    // it needs more, instead of running into the frame.
    const auto captionWidth = [&button](const QString& text) {
        return button.fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
    };
    const int more = captionWidth(button.text()) - captionWidth(QLatin1String(row.caption));
    button.setFixedSize(row.size.width() + std::max(0, more), row.size.height());
}

} // namespace horavine
