#include "designer/OptionsIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace horavine {

namespace {

void drawDesign(QPainter& p)
{
    // A colour wheel: the face in miniature.
    const QColor colors[]
        = {QColor(0xd9, 0x3b, 0x3b), QColor(0xf0, 0xb4, 0x29), QColor(0x4c, 0xb0, 0x50), QColor(0x33, 0x66, 0x99)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.setPen(Qt::NoPen);
        p.drawPie(QRectF(1, 1, 14, 14), i * 90 * 16, 90 * 16);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(5, 5, 6, 6));
}

void drawGalleries(QPainter& p)
{
    p.setPen(QColor(0x1f, 0x3d, 0x5c));
    p.setBrush(QColor(0x33, 0x66, 0x99));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col)
            p.drawRect(1 + col * 8, 1 + row * 8, 5, 5);
    }
}

void drawAlarms(QPainter& p)
{
    p.setPen(QPen(QColor(0x70, 0x40, 0x10), 1.2));
    p.setBrush(QColor(0xf0, 0xc0, 0x40));
    QPainterPath bell;
    bell.moveTo(3, 12);
    bell.cubicTo(4, 10, 4, 3, 8, 3);
    bell.cubicTo(12, 3, 12, 10, 13, 12);
    bell.closeSubpath();
    p.drawPath(bell);
    p.drawEllipse(QRectF(6.5, 12, 3, 3));
}

void drawHelp(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x66, 0x99));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void drawTexture(QPainter& p)
{
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setBrush(QBrush(QColor(0x55, 0x55, 0x55), Qt::DiagCrossPattern));
    p.drawRect(1, 1, 13, 13);
}

void drawCamera(QPainter& p)
{
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRoundedRect(QRectF(1, 4, 14, 10), 2, 2);
    p.drawRect(5, 2, 5, 2);
    p.setBrush(QColor(0x33, 0x66, 0x99));
    p.drawEllipse(QRectF(5, 6, 6, 6));
}

} // namespace

QIcon MakeOptionsIcon(OptionsIcon which)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        switch (which) {
        case OptionsIcon::Design:
            drawDesign(p);
            break;
        case OptionsIcon::Galleries:
            drawGalleries(p);
            break;
        case OptionsIcon::Alarms:
            drawAlarms(p);
            break;
        case OptionsIcon::Help:
            drawHelp(p);
            break;
        case OptionsIcon::Texture:
            drawTexture(p);
            break;
        case OptionsIcon::Camera:
            drawCamera(p);
            break;
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace horavine
