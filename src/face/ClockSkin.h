#pragma once

// The skin record: 444 bytes, the same in memory and in a .clk file. Every field is stored
// little-endian, so the record is the file's bytes on any host.

#include "common/LittleEndian.h"
#include "common/ShortString.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace horavine {

// Colours are 0x00BBGGRR: red in the lowest byte.
using TColor = std::uint32_t;

enum TSecStyle : int {
    ssEmptyCircle = 0,
    ssFullCircle,
    ssStar,
    ssNone,
    ssEmptySquare,
    ssFullSquare,
    ssCross,
    ssDiamond,
    ssTriangle,
};

enum TDigPosition : int { dpOff = 0, dpTop, dpMiddle, dpBottom };

struct TClockSkin
{
    LeUInt32 MinStartColor;
    LeInt32 MinMidPos;
    LeUInt32 MinEndColor;
    LeInt32 OuterEdge;
    LeUInt32 HourStartColor;
    LeInt32 HourMidPos;
    LeUInt32 HourEndColor;
    LeInt32 InnerEdge;
    LeUInt32 TicsBandColor;
    LeUInt32 TicsColor;
    LeUInt32 SecColor;
    LeInt32 TicsWidth;
    std::uint8_t NotCircular;
    std::uint8_t Rounded;
    std::uint8_t SkinFlag50;
    std::uint8_t Reserved51;
    LeInt32 SecStyle;
    LeInt32 ClockSize;
    ShortString<120> TextureName;
    std::uint8_t Reserved181[3];
    LeInt32 TextureTransparency;
    LeUInt32 TextureColor;
    LeInt32 DigPosition;
    LeInt32 DigSize;
    LeUInt32 DigColor;
    ShortString<30> DigFont;
    std::uint8_t Reserved235;
    std::uint8_t Transparency;
    std::uint8_t Reserved237[207];

    static constexpr int kSize = 444;

    static TClockSkin zeroed();
    static TClockSkin fromBytes(const QByteArray& bytes); // needs at least kSize bytes
    QByteArray toBytes() const;
};

static_assert(sizeof(TClockSkin) == TClockSkin::kSize);
static_assert(std::is_trivially_copyable_v<TClockSkin> && std::is_standard_layout_v<TClockSkin>);
static_assert(offsetof(TClockSkin, MinStartColor) == 0);
static_assert(offsetof(TClockSkin, MinMidPos) == 4);
static_assert(offsetof(TClockSkin, MinEndColor) == 8);
static_assert(offsetof(TClockSkin, OuterEdge) == 12);
static_assert(offsetof(TClockSkin, HourStartColor) == 16);
static_assert(offsetof(TClockSkin, HourMidPos) == 20);
static_assert(offsetof(TClockSkin, HourEndColor) == 24);
static_assert(offsetof(TClockSkin, InnerEdge) == 28);
static_assert(offsetof(TClockSkin, TicsBandColor) == 32);
static_assert(offsetof(TClockSkin, TicsColor) == 36);
static_assert(offsetof(TClockSkin, SecColor) == 40);
static_assert(offsetof(TClockSkin, TicsWidth) == 44);
static_assert(offsetof(TClockSkin, NotCircular) == 48);
static_assert(offsetof(TClockSkin, Rounded) == 49);
static_assert(offsetof(TClockSkin, SkinFlag50) == 50);
static_assert(offsetof(TClockSkin, SecStyle) == 52);
static_assert(offsetof(TClockSkin, ClockSize) == 56);
static_assert(offsetof(TClockSkin, TextureName) == 60);
static_assert(offsetof(TClockSkin, TextureTransparency) == 184);
static_assert(offsetof(TClockSkin, TextureColor) == 188);
static_assert(offsetof(TClockSkin, DigPosition) == 192);
static_assert(offsetof(TClockSkin, DigSize) == 196);
static_assert(offsetof(TClockSkin, DigColor) == 200);
static_assert(offsetof(TClockSkin, DigFont) == 204);
static_assert(offsetof(TClockSkin, Transparency) == 236);
static_assert(offsetof(TClockSkin, Reserved237) == 237);

// The built-in skin: the values every fresh CurrentSkin starts with; other bytes are zero.
TClockSkin DefaultSkin();

} // namespace horavine
