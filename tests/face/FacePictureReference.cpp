#include "face/FacePictureReference.h"

#include "face/FaceColors.h"
#include "face/FaceLine.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace horavine::reference {

namespace {

constexpr double kPi = std::numbers::pi;

int Sign(double v)
{
    return (v > 0) - (v < 0);
}

QRgb Opaque(TColor c)
{
    return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

// Looking up a system colour is the platform's business, not the rule's.
TColor Resolve(TColor c)
{
    return horavine::ResolveColor(c);
}

} // namespace

int Nearest(double v)
{
    return std::isnan(v) ? 0 : int(std::nearbyint(v));
}

std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const double exact = double(a) * double(b) / double(c);
    const double away = std::floor(std::abs(exact) + 0.5);
    return std::int64_t(exact < 0 ? -away : away);
}

TColor BlendColor(TColor c1, TColor c2, int den, int num)
{
    const TColor a = Resolve(c1);
    if (den == 0) {
        return a;
    }
    const TColor b = Resolve(c2);
    const int r = int(a & 0xFF) + int(MulDiv(num, int(b & 0xFF) - int(a & 0xFF), den));
    const int g = int(a >> 8 & 0xFF) + int(MulDiv(num, int(b >> 8 & 0xFF) - int(a >> 8 & 0xFF), den));
    const int bl = int(a >> 16 & 0xFF) + int(MulDiv(num, int(b >> 16 & 0xFF) - int(a >> 16 & 0xFF), den));
    return TColor(r + g * 256 + bl * 65536);
}

TColor BandColor(TColor first, TColor last, int cycle, int midPos, int pos)
{
    int m = midPos;
    if (m == 0) {
        m = 50;
    }
    if (m < 1) {
        m = 1;
    }
    if (m > 99) {
        m = 99;
    }
    const int lo = Nearest(double(cycle) * m / 100.0);
    const TColor mid = BlendColor(first, last, cycle, cycle / 2);
    if (pos < lo) {
        return BlendColor(first, mid, lo, pos);
    }
    return BlendColor(mid, last, cycle - lo, pos - lo);
}

QPoint FacePoint(double r, double a, double cx, double cy, bool square)
{
    const int dx = Nearest(std::cos(a) * r);
    const int dy = Nearest(std::sin(a) * r);
    if (!square) {
        return QPoint(Nearest(cx) + dx, Nearest(cy) + dy);
    }
    int sx;
    int sy;
    if (std::abs(dx) > std::abs(dy)) {
        sx = Nearest(Sign(dx) * r);
        sy = Nearest(std::tan(a) * sx);
    } else {
        sy = Nearest(Sign(dy) * r);
        sx = Nearest(1.0 / std::tan(a) * sy);
    }
    return QPoint(Nearest(sx + cx), Nearest(sy + cy));
}

void DrawFacePicture(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle)
{
    // 1. Geometry.
    picture = QImage(picture.size(), QImage::Format_RGB32);
    const int w = picture.width();
    const int h = picture.height();
    if (w == 0 || h == 0) {
        return;
    }
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    const double ro = int(skin.OuterEdge) * cx / 100.0;
    const double ri = int(skin.InnerEdge) * cy / 100.0;
    const double maxR = std::min(w / 2.0, h / 2.0);
    const bool square = skin.NotCircular != 0;

    // 2. Fill.
    picture.fill(Opaque(Resolve(skin.TicsBandColor)));

    // 3. Tics.
    QPainter painter(&picture);
    for (int i = -5; i <= 6; ++i) {
        const int width = i == -3 ? int(skin.TicsWidth) + 2 : int(skin.TicsWidth);
        DrawFaceLine(painter, QPoint(Nearest(cx), Nearest(cy)), FacePoint(ro + 2, i * kPi / 6.0, cx, cy, square),
                     Opaque(Resolve(skin.TicsColor)), width);
    }
    painter.end();

    // 4. Every pixel, column by column.
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double d2 = dx * dx + dy * dy;
            if (!square && (d2 > maxR * maxR || (ro * ro < d2 && d2 < ri * ri))) {
                continue;
            }
            double theta;
            if (dx == 0) {
                theta = dy > 0 ? kPi / 2 : -kPi / 2;
            } else {
                theta = std::atan2(dy, dx);
            }
            const int hourPos = Nearest((theta + hourAngle + kPi) * 1000) % 6283;
            const int minutePos = Nearest((theta + minuteAngle + kPi) * 1000) % 6283;
            if (square ? (std::abs(dx) < ri && std::abs(dy) < ri) : d2 < ri * ri) {
                picture.setPixel(
                    x, y, Opaque(BandColor(skin.HourStartColor, skin.HourEndColor, 6283, skin.HourMidPos, hourPos)));
            }
            if (square ? (std::abs(dx) > ro || std::abs(dy) > ro) : d2 > ro * ro) {
                picture.setPixel(
                    x, y, Opaque(BandColor(skin.MinStartColor, skin.MinEndColor, 6283, skin.MinMidPos, minutePos)));
            }
        }
    }

    // 5, 6. Hands.
    painter.begin(&picture);
    DrawFaceLine(painter, QPoint(Nearest(cx), Nearest(cy)), FacePoint(ri, kPi - hourAngle, cx, cy, square),
                 Opaque(BandColor(skin.HourStartColor, skin.HourEndColor, 6283, skin.HourMidPos, 3142)), 1);
    DrawFaceLine(painter, FacePoint(ro, kPi - minuteAngle, cx, cy, square),
                 FacePoint((cx + cy) / 2, kPi - minuteAngle, cx, cy, square),
                 Opaque(BandColor(skin.MinStartColor, skin.MinEndColor, 6283, skin.MinMidPos, 3142)), 1);
}

} // namespace horavine::reference
