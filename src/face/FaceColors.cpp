#include "face/FaceColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>

namespace horavine {

namespace {

constexpr TColor Rgb(int r, int g, int b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

// The classic desktop scheme: what a skin naming a system colour shows when no palette is at hand.
constexpr std::array<TColor, 31> kSystemColors = {
    Rgb(212, 208, 200), // 0 scroll bar
    Rgb(58, 110, 165), // 1 desktop
    Rgb(10, 36, 106), // 2 active caption
    Rgb(128, 128, 128), // 3 inactive caption
    Rgb(212, 208, 200), // 4 menu
    Rgb(255, 255, 255), // 5 window
    Rgb(0, 0, 0), // 6 window frame
    Rgb(0, 0, 0), // 7 menu text
    Rgb(0, 0, 0), // 8 window text
    Rgb(255, 255, 255), // 9 caption text
    Rgb(212, 208, 200), // 10 active border
    Rgb(212, 208, 200), // 11 inactive border
    Rgb(128, 128, 128), // 12 application workspace
    Rgb(10, 36, 106), // 13 highlight
    Rgb(255, 255, 255), // 14 highlight text
    Rgb(212, 208, 200), // 15 button face
    Rgb(128, 128, 128), // 16 button shadow
    Rgb(128, 128, 128), // 17 grey text
    Rgb(0, 0, 0), // 18 button text
    Rgb(212, 208, 200), // 19 inactive caption text
    Rgb(255, 255, 255), // 20 button highlight
    Rgb(64, 64, 64), // 21 3-D dark shadow
    Rgb(212, 208, 200), // 22 3-D light
    Rgb(0, 0, 0), // 23 tool tip text
    Rgb(255, 255, 225), // 24 tool tip background
    Rgb(0, 0, 0), // 25 unused
    Rgb(0, 0, 128), // 26 hot-tracked item
    Rgb(166, 202, 240), // 27 active caption gradient
    Rgb(192, 192, 192), // 28 inactive caption gradient
    Rgb(49, 106, 197), // 29 menu highlight
    Rgb(236, 233, 216), // 30 menu bar
};

struct PaletteEntry
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours the application palette has a clear counterpart for; the rest stay fixed.
constexpr PaletteEntry kPaletteEntries[] = {
    {4, QPalette::Active, QPalette::Window},       {5, QPalette::Active, QPalette::Base},
    {7, QPalette::Active, QPalette::WindowText},   {8, QPalette::Active, QPalette::Text},
    {13, QPalette::Active, QPalette::Highlight},   {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},      {16, QPalette::Active, QPalette::Dark},
    {17, QPalette::Disabled, QPalette::Text},      {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light},       {21, QPalette::Active, QPalette::Shadow},
    {22, QPalette::Active, QPalette::Midlight},    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase}, {26, QPalette::Active, QPalette::Link},
};

int Channel(TColor color, int shift)
{
    return int(color >> shift & 0xFF);
}

} // namespace

std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    if (c == 0) {
        return 0;
    }
    // Operands are 32-bit in every use, so the product and the half divisor fit in 64 bits.
    const std::int64_t product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = product < 0 ? 0 - std::uint64_t(product) : std::uint64_t(product);
    const std::uint64_t divisor = c < 0 ? 0 - std::uint64_t(c) : std::uint64_t(c);
    const std::int64_t quotient = std::int64_t((magnitude + divisor / 2) / divisor);
    return negative ? -quotient : quotient;
}

TColor ResolveColor(TColor color)
{
    if ((color >> 24) != 0x80) {
        return color & 0x00FFFFFF;
    }
    const int index = int(color & 0xFF);
    if (index >= int(kSystemColors.size())) {
        return 0;
    }
    if (qGuiApp != nullptr) {
        for (const PaletteEntry& entry : kPaletteEntries) {
            if (entry.index == index) {
                return FromQRgb(QGuiApplication::palette().color(entry.group, entry.role).rgb());
            }
        }
    }
    return kSystemColors[std::size_t(index)];
}

QRgb ToQRgb(TColor color)
{
    const TColor c = ResolveColor(color);
    return qRgb(Channel(c, 0), Channel(c, 8), Channel(c, 16));
}

TColor FromQRgb(QRgb rgb)
{
    return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TColor BlendColor(TColor c1, TColor c2, int den, int num)
{
    const TColor from = ResolveColor(c1);
    if (den == 0) {
        return from;
    }
    const TColor to = ResolveColor(c2);
    TColor result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int p = Channel(from, shift);
        const int q = Channel(to, shift);
        // Callers keep num within 0..den; a channel pushed outside 0..255 by any other num is
        // held at the limit so it cannot spill into its neighbour.
        const std::int64_t value = p + MulDiv(num, q - p, den);
        result |= TColor(std::clamp<std::int64_t>(value, 0, 255)) << shift;
    }
    return result;
}

TColor BandColor(TColor first, TColor last, int cycle, int midPos, int pos)
{
    const int m = std::clamp(midPos == 0 ? 50 : midPos, 1, 99);
    const int lo = int(std::nearbyint(double(cycle) * m / 100.0));
    const TColor mid = BlendColor(first, last, cycle, cycle / 2);
    if (pos < lo) {
        return BlendColor(first, mid, lo, pos);
    }
    return BlendColor(mid, last, int(std::int64_t(cycle) - lo), int(std::int64_t(pos) - lo));
}

} // namespace horavine
