#include "face/FacePainter.h"

#include "face/FaceColors.h"
#include "face/FaceLine.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace horavine {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kCycle = 6283; // 2 pi in thousandths of a radian, cut to a whole number
constexpr int kHandPosition = 3142; // nearest(kCycle / 2)
constexpr int kTableCycles = 4;

// Adding 1.5 * 2^52 rounds a double to an integer in the current mode (to nearest, halves
// to even), exactly as nearbyint does, and leaves that integer in the low bits of the sum:
// no library call and no conversion per pixel. Valid while |v| < 2^51.
constexpr double kRoundMagic = 6755399441055744.0;

inline std::int64_t RoundHalfEven(double v)
{
    return std::int64_t(std::bit_cast<std::uint64_t>(v + kRoundMagic) - std::bit_cast<std::uint64_t>(kRoundMagic));
}

// An angle from a damaged caller would make the positions meaningless or overflow; such an
// angle is drawn as 0.
double SaneAngle(double angle)
{
    return std::isfinite(angle) && std::abs(angle) <= 1e9 ? angle : 0.0;
}

// Radii beyond a few picture sizes only come from damaged skins; holding them there keeps
// line ends inside the rasteriser's coordinate range without turning the line.
double DrawableRadius(double r, int width, int height)
{
    const double limit = std::min(4.0 * (double(width) + height) + 16.0, 16000.0);
    return std::isnan(r) ? 0.0 : std::clamp(r, -limit, limit);
}

// The exact angle of a pixel, as the plain rule has it: straight above and below the centre it
// is fixed, the centre itself pointing up.
inline double PixelAngle(double dx, double dy)
{
    return dx == 0.0 ? (dy > 0.0 ? kPi / 2.0 : -kPi / 2.0) : std::atan2(dy, dx);
}

// The angles are kept as floats, half the memory of doubles (a 400-pixel face's table was as large
// as the face itself), and a float is within 1.2e-7 of the double it stands for. Scaled by 1000
// that moves a position by less than 2e-4, so it rounds the same unless it lies that close to a
// half; those few pixels (about one in 500) have their exact angle worked out again.
constexpr double kNearHalf = 0.5 - 1e-3;

// The pixels of one run: y and the column of its first pixel, for the exact angles.
struct RunPixels
{
    const float* theta;
    int count;
    double dx; // of the first pixel
    double dy;
};

// Positions in a run: nearest((theta + angle + pi) * 1000) mod kCycle, evaluated in that
// order so that every pixel matches the plain rule. When every position of the angle falls
// within the first four cycles, the colour table repeated four times stands in for the mod.
void PaintRun(QRgb* out, const RunPixels& run, double angle, bool inFourCycles, const QRgb* colors)
{
    const float* theta = run.theta;
    const int count = run.count;
    const auto exact = [&](int i) {
        return (PixelAngle(run.dx + i, run.dy) + angle + kPi) * 1000.0;
    };
    if (inFourCycles) {
        int i = 0;
#if defined(__SSE2__) && defined(__x86_64__)
        // Two lanes per instruction; packed double arithmetic rounds each lane exactly as the
        // scalar instructions do, so the positions are the same.
        const __m128d turn = _mm_set1_pd(angle);
        const __m128d pi = _mm_set1_pd(kPi);
        const __m128d thousand = _mm_set1_pd(1000.0);
        const __m128d magic = _mm_set1_pd(kRoundMagic);
        const __m128d nearHalf = _mm_set1_pd(kNearHalf);
        const __m128d sign = _mm_set1_pd(-0.0);
        for (; i + 4 <= count; i += 4) {
            const __m128 four = _mm_loadu_ps(theta + i);
            const __m128d v0 = _mm_mul_pd(_mm_add_pd(_mm_add_pd(_mm_cvtps_pd(four), turn), pi), thousand);
            const __m128d v1
                = _mm_mul_pd(_mm_add_pd(_mm_add_pd(_mm_cvtps_pd(_mm_movehl_ps(four, four)), turn), pi), thousand);
            const __m128d a = _mm_add_pd(v0, magic);
            const __m128d b = _mm_add_pd(v1, magic);
            // How far each value lies from the integer it rounds to: near a half, work it out exactly.
            const __m128d off0 = _mm_andnot_pd(sign, _mm_sub_pd(v0, _mm_sub_pd(a, magic)));
            const __m128d off1 = _mm_andnot_pd(sign, _mm_sub_pd(v1, _mm_sub_pd(b, magic)));
            const int nearHalves
                = _mm_movemask_pd(_mm_cmpgt_pd(off0, nearHalf)) | (_mm_movemask_pd(_mm_cmpgt_pd(off1, nearHalf)) << 2);
            // The low halves of the four sums are the four positions.
            const __m128 halves = _mm_shuffle_ps(_mm_castpd_ps(a), _mm_castpd_ps(b), _MM_SHUFFLE(2, 0, 2, 0));
            const __m128i pos = _mm_castps_si128(halves);
            const std::uint64_t p01 = std::uint64_t(_mm_cvtsi128_si64(pos));
            const std::uint64_t p23 = std::uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(pos, pos)));
            out[i] = colors[std::uint32_t(p01)];
            out[i + 1] = colors[p01 >> 32];
            out[i + 2] = colors[std::uint32_t(p23)];
            out[i + 3] = colors[p23 >> 32];
            if (nearHalves != 0) {
                for (int k = 0; k < 4; ++k) {
                    if (nearHalves & (1 << k))
                        out[i + k] = colors[std::uint32_t(std::bit_cast<std::uint64_t>(exact(i + k) + kRoundMagic))];
                }
            }
        }
#endif
        for (; i < count; ++i) {
            double v = (double(theta[i]) + angle + kPi) * 1000.0;
            if (std::abs(v - std::nearbyint(v)) > kNearHalf)
                v = exact(i);
            out[i] = colors[std::uint32_t(std::bit_cast<std::uint64_t>(v + kRoundMagic))];
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        double v = (double(theta[i]) + angle + kPi) * 1000.0;
        if (std::abs(v - std::nearbyint(v)) > kNearHalf)
            v = exact(i);
        std::int64_t pos = RoundHalfEven(v) % kCycle;
        if (pos < 0) {
            pos += kCycle;
        }
        out[i] = colors[pos];
    }
}

// Whether every position for this angle lands in 0 .. 4 cycles, which the clock's own angles
// always do.
bool InFirstFourCycles(double angle)
{
    const std::int64_t low = RoundHalfEven((-kPi + angle + kPi) * 1000.0);
    const std::int64_t high = RoundHalfEven((kPi + angle + kPi) * 1000.0);
    return low >= 0 && high < kTableCycles * kCycle;
}

} // namespace

void FacePainter::BandTable::prepare(const BandKey& wanted)
{
    if (key == wanted) {
        return;
    }
    colors.resize(std::size_t(kTableCycles) * kCycle);
    for (int pos = 0; pos < kCycle; ++pos) {
        colors[std::size_t(pos)] = ToQRgb(BandColor(wanted.first, wanted.last, kCycle, wanted.midPos, pos));
    }
    for (std::size_t i = kCycle; i < colors.size(); ++i) {
        colors[i] = colors[i - kCycle];
    }
    key = wanted;
}

void FacePainter::draw(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle)
{
    if (picture.format() != QImage::Format_RGB32) {
        picture = QImage(picture.size(), QImage::Format_RGB32);
    }
    const int width = picture.width();
    const int height = picture.height();
    if (width <= 0 || height <= 0) {
        return;
    }
    hourAngle = SaneAngle(hourAngle);
    minuteAngle = SaneAngle(minuteAngle);

    const FaceGeometry geometry = MakeFaceGeometry(width, height, skin);
    const int outerEdge = skin.OuterEdge;
    prepareAngles(width, height, geometry);
    prepareLayout({width, height, outerEdge, int(skin.InnerEdge), geometry.square}, geometry);
    prepareLayer({width, height, outerEdge, geometry.square, ResolveColor(skin.TicsBandColor),
                  ResolveColor(skin.TicsColor), int(skin.TicsWidth)},
                 geometry);
    m_hours.prepare({ResolveColor(skin.HourStartColor), ResolveColor(skin.HourEndColor), int(skin.HourMidPos)});
    m_minutes.prepare({ResolveColor(skin.MinStartColor), ResolveColor(skin.MinEndColor), int(skin.MinMidPos)});

    paintBands(picture, hourAngle, minuteAngle);
    drawHands(picture, geometry, hourAngle, minuteAngle);
}

void FacePainter::prepareAngles(int width, int height, const FaceGeometry& geometry)
{
    if (m_angleWidth == width && m_angleHeight == height) {
        return;
    }
    // The centre is W / 2, H / 2, so every pixel has its mirror images across both axes at whole
    // columns and rows: one quadrant of angles gives all four, and a quarter of the memory.
    m_firstRight = int(std::ceil(geometry.cx));
    m_firstLower = int(std::ceil(geometry.cy));
    m_quadrantWidth = width - m_firstRight + 1;
    const int quadrantHeight = height - m_firstLower + 1;
    m_angles.assign(std::size_t(m_quadrantWidth) * std::size_t(quadrantHeight), 0.0f);
    m_angles.shrink_to_fit();
    float* theta = m_angles.data();
    for (int j = 0; j < quadrantHeight; ++j) {
        const double dy = m_firstLower + j - geometry.cy;
        for (int i = 0; i < m_quadrantWidth; ++i)
            *theta++ = float(PixelAngle(m_firstRight + i - geometry.cx, dy));
    }
    m_angleWidth = width;
    m_angleHeight = height;
    m_centreX = geometry.cx;
    m_centreY = geometry.cy;
}

void FacePainter::rowAngles(int y, int begin, int end, float* out) const
{
    // From the quadrant right of and below the centre (angle a, 0 <= a <= pi/2, or -pi/2 at the
    // centre itself): left of it pi - a, above it -a, above and left -pi + a. Within a float of
    // the plain angle, which is all the positions' near-half check asks for.
    const bool above = y < m_firstLower;
    const int j = above ? m_angleHeight - m_firstLower - y : y - m_firstLower;
    const float* quadrant = m_angles.data() + std::size_t(j) * std::size_t(m_quadrantWidth);
    const int split = std::clamp(m_firstRight, begin, end);
    for (int x = begin; x < split; ++x) {
        const double a = quadrant[m_angleWidth - m_firstRight - x];
        out[x] = float(above ? a - kPi : kPi - a);
    }
    for (int x = split; x < end; ++x) {
        const float a = quadrant[x - m_firstRight];
        out[x] = above ? -a : a;
    }
}

void FacePainter::prepareLayout(const LayoutKey& key, const FaceGeometry& g)
{
    if (m_layoutKey == key) {
        return;
    }
    const double ro = g.outerRadius;
    const double ri = g.innerRadius;
    const double ro2 = ro * ro;
    const double ri2 = ri * ri;
    const double maxR2 = g.maxRadius * g.maxRadius;
    const auto paintOf = [&](double dx, double dy) {
        if (g.square) {
            if (std::abs(dx) > ro || std::abs(dy) > ro) {
                return Paint::Minutes;
            }
            return std::abs(dx) < ri && std::abs(dy) < ri ? Paint::Hours : Paint::Keep;
        }
        const double d2 = dx * dx + dy * dy;
        if (d2 > maxR2 || (ro2 < d2 && d2 < ri2)) {
            return Paint::Keep;
        }
        // The minutes ring is painted after the hours disc, so it wins where both apply.
        if (d2 > ro2) {
            return Paint::Minutes;
        }
        return d2 < ri2 ? Paint::Hours : Paint::Keep;
    };

    m_runs.clear();
    m_rowRuns.assign(std::size_t(key.height) + 1, 0);
    for (int y = 0; y < key.height; ++y) {
        m_rowRuns[std::size_t(y)] = m_runs.size();
        const double dy = y - g.cy;
        Run run{0, 0, paintOf(0 - g.cx, dy)};
        for (int x = 1; x < key.width; ++x) {
            const Paint paint = paintOf(x - g.cx, dy);
            if (paint != run.paint) {
                run.end = x;
                m_runs.push_back(run);
                run = Run{x, x, paint};
            }
        }
        run.end = key.width;
        m_runs.push_back(run);
    }
    m_rowRuns[std::size_t(key.height)] = m_runs.size();
    m_layoutKey = key;
    m_layerKey.reset(); // the kept pixels follow the runs
}

void FacePainter::prepareLayer(const LayerKey& key, const FaceGeometry& g)
{
    if (m_layerKey == key) {
        return;
    }
    QImage layer(key.width, key.height, QImage::Format_RGB32);
    layer.fill(ToQRgb(key.bandColor));
    QPainter painter(&layer);
    const QPoint centre(NearestInt(g.cx), NearestInt(g.cy));
    const double r = DrawableRadius(g.outerRadius + 2.0, key.width, key.height);
    const QRgb color = ToQRgb(key.ticsColor);
    for (int i = -5; i <= 6; ++i) {
        // The 12 o'clock tic is two pixels wider; 64-bit so that a damaged width cannot wrap.
        const long long width = (long long)key.ticsWidth + (i == -3 ? 2 : 0);
        const int penWidth = int(std::clamp<long long>(width, 0, 1 << 30));
        DrawFaceLine(painter, centre, FacePoint(r, i * kPi / 6.0, g), color, penWidth);
    }
    painter.end();

    // Only the pixels of the runs that show the layer are kept, in the order the runs come: the
    // whole layer would take as much memory as a face picture.
    m_keep.clear();
    for (int y = 0; y < key.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (std::size_t k = m_rowRuns[std::size_t(y)]; k < m_rowRuns[std::size_t(y) + 1]; ++k) {
            const Run& run = m_runs[k];
            if (run.paint == Paint::Keep)
                m_keep.insert(m_keep.end(), row + run.begin, row + run.end);
        }
    }
    m_keep.shrink_to_fit();
    m_layerKey = key;
}

void FacePainter::paintBands(QImage& picture, double hourAngle, double minuteAngle) const
{
    const bool hourFast = InFirstFourCycles(hourAngle);
    const bool minuteFast = InFirstFourCycles(minuteAngle);
    const QRgb* hourColors = m_hours.colors.data();
    const QRgb* minuteColors = m_minutes.colors.data();
    const int width = m_angleWidth;
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const QRgb* keep = m_keep.data();
    std::vector<float> rowTheta(std::size_t(std::max(width, 0)));
    float* theta = rowTheta.data();

    // Pixels do not depend on one another, so rows are filled in memory order.
    for (int y = 0; y < m_angleHeight; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(bits + y * stride);
        const double dy = y - m_centreY;
        for (std::size_t k = m_rowRuns[std::size_t(y)]; k < m_rowRuns[std::size_t(y) + 1]; ++k) {
            const Run& run = m_runs[k];
            const int count = run.end - run.begin;
            switch (run.paint) {
            case Paint::Keep:
                std::memcpy(out + run.begin, keep, std::size_t(count) * sizeof(QRgb));
                keep += count;
                break;
            case Paint::Hours:
                rowAngles(y, run.begin, run.end, theta);
                PaintRun(out + run.begin, {theta + run.begin, count, run.begin - m_centreX, dy}, hourAngle, hourFast,
                         hourColors);
                break;
            case Paint::Minutes:
                rowAngles(y, run.begin, run.end, theta);
                PaintRun(out + run.begin, {theta + run.begin, count, run.begin - m_centreX, dy}, minuteAngle,
                         minuteFast, minuteColors);
                break;
            }
        }
    }
}

void FacePainter::drawHands(QImage& picture, const FaceGeometry& g, double hourAngle, double minuteAngle) const
{
    const int width = picture.width();
    const int height = picture.height();
    QPainter painter(&picture);
    const double hourDirection = kPi - hourAngle;
    const double minuteDirection = kPi - minuteAngle;
    DrawFaceLine(painter, QPoint(NearestInt(g.cx), NearestInt(g.cy)),
                 FacePoint(DrawableRadius(g.innerRadius, width, height), hourDirection, g),
                 m_hours.colors[kHandPosition], 1);
    DrawFaceLine(painter, FacePoint(DrawableRadius(g.outerRadius, width, height), minuteDirection, g),
                 FacePoint((g.cx + g.cy) / 2.0, minuteDirection, g), m_minutes.colors[kHandPosition], 1);
}

} // namespace horavine
