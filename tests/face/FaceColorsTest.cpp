#include "face/FaceColors.h"

#include <climits>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

TEST(FaceColors, MulDivRoundsHalvesAwayFromZero)
{
    struct Row
    {
        std::int64_t a, b, c, expected;
    };
    const Row rows[] = {
        {1, 3, 2, 2}, // 1.5
        {-1, 3, 2, -2}, // -1.5
        {1, -3, 2, -2},
        {-1, -3, 2, 2},
        {1, 5, 2, 3}, // 2.5: away from zero, not to the even 2
        {1, 1, -2, -1}, // -0.5
        {5, 1, 4, 1}, // 1.25
        {3, 1, 4, 1}, // 0.75
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {7, 0, 3, 0},
        {5, 5, 0, 0}, // no divisor: nothing
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product needs 64 bits
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected) << row.a << " * " << row.b << " / " << row.c;
    }
}

TEST(FaceColors, BlendMovesEachChannelNumOverDenTowardsTheSecondColour)
{
    struct Row
    {
        TColor c1, c2;
        int den, num;
        TColor expected;
    };
    const Row rows[] = {
        {0x000000, 0xFFFFFF, 2, 1, 0x808080}, // 127.5 -> 128
        {0xFFFFFF, 0x000000, 2, 1, 0x7F7F7F}, // 255 - 127.5 -> 255 - 128
        {0x000000, 0x00000A, 4, 1, 0x000003}, // 2.5 -> 3
        {0x00000A, 0x000000, 4, 1, 0x000007}, // 10 - 2.5 -> 10 - 3
        {0x0000FF, 0xFF0000, 4, 1, 0x4000BF}, // red 255 - 63.75, blue 0 + 63.75
        {0x000000, 0x0000C8, 3, 1, 0x000043}, // 66.67 -> 67
        {0x123456, 0x654321, 7, 0, 0x123456},   {0x123456, 0x654321, 7, 7, 0x654321},
        {0x123456, 0x654321, 0, 5, 0x123456}, // no divisor: the first colour
        {0xFF102030, 0x102030, 1, 0, 0x102030}, // a stray top byte is dropped
        {0x80000001, 0x000000, 1, 0, 0xA56E3A}, // system colour 1, the desktop: 58, 110, 165
    };
    for (const Row& row : rows) {
        EXPECT_EQ(BlendColor(row.c1, row.c2, row.den, row.num), row.expected)
            << std::hex << row.c1 << " " << row.c2 << std::dec << " " << row.num << "/" << row.den;
    }
}

// First colour black, last colour red 200: the even mix of the two is red 100 (199.97 / 2).
TEST(FaceColors, BandRunsFromFirstThroughTheMiddleAtMidPosToLast)
{
    struct Row
    {
        int cycle, midPos, pos;
        int red;
    };
    const Row rows[] = {
        {6283, 50, 0, 0},
        {6283, 50, 1571, 50}, // half way to the middle at 3142
        {6283, 50, 3142, 100}, // the middle colour at nearest(3141.5)
        {6283, 50, 4712, 150}, // 100 + 1570/3141 of 100
        {6283, 50, 6282, 200},
        {6283, 0, 1571, 50}, // 0 behaves as 50
        {6283, 0, 3142, 100},
        {6283, 100, 3110, 50}, // 100 behaves as 99: middle at nearest(6220.17)
        {6283, 100, 6220, 100},
        {6283, 100, 6251, 149}, // 100 + 31/63 of 100
        {6283, 250, 6220, 100},
        {6283, -5, 31, 49}, // negative behaves as 1: middle at nearest(62.83)
        {6283, -5, 63, 100},
        {6283, -5, 3173, 150},
        {6283, 1, 63, 100},
        {6283, 5, 157, 50}, // middle at nearest(314.15)
        {6283, 5, 314, 100},
        {6283, 95, 5969, 100}, // middle at nearest(5968.85)
        {6283, 95, 6126, 150},
        // Short cycles show the rounding: 7 * 50% = 3.5 puts the middle at 4, the even neighbour.
        {7, 50, 3, 65}, // middle red 600/7 -> 86; 3/4 of 86 = 64.5 -> 65
        {7, 50, 4, 86},
        {7, 50, 5, 124}, // 86 + 114/3
        {7, 50, 6, 162},
        {25, 10, 1, 48}, // 25 * 10% = 2.5 puts the middle (96) at 2
        {25, 10, 2, 96},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(BandColor(0x000000, 0x0000C8, row.cycle, row.midPos, row.pos), TColor(row.red))
            << "cycle " << row.cycle << " mid " << row.midPos << " pos " << row.pos;
    }
}

TEST(FaceColors, BandMiddleMixesEveryChannel)
{
    // Blue 255 to red 255: the middle is 3141/6283 of the way, 127.48 -> 127 of each.
    EXPECT_EQ(BandColor(0xFF0000, 0x0000FF, 6283, 50, 3142), TColor(0x80007F));
}

TEST(FaceColors, SystemColoursResolveAndOtherTopBytesAreMasked)
{
    struct Row
    {
        TColor color, expected;
    };
    // Entries without a palette counterpart, so the fixed scheme applies with or without an application.
    const Row rows[] = {
        {0x00123456, 0x123456}, {0xFF123456, 0x123456},
        {0x01123456, 0x123456}, {0x80000000, 0xC8D0D4}, // scroll bar 212, 208, 200
        {0x80000002, 0x6A240A}, // active caption 10, 36, 106
        {0x800000FF, 0x000000}, // no such system colour
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ResolveColor(row.color), row.expected) << std::hex << row.color;
    }
}

TEST(FaceColors, QtColoursSwapRedAndBlueAndAreOpaque)
{
    EXPECT_EQ(ToQRgb(0x00563412), QRgb(0xFF123456));
    EXPECT_EQ(ToQRgb(0x80000000), QRgb(0xFFD4D0C8));
    EXPECT_EQ(FromQRgb(0x80123456), TColor(0x563412));
}

} // namespace
