#include "common/WindowPlacement.h"

#include <gtest/gtest.h>
#include <optional>

using namespace horavine;

namespace {

// A 1366 x 768 laptop screen with a 40-pixel panel at the bottom.
const Monitor kLaptop{{0, 0, 1366, 768}, {0, 0, 1366, 728}};
// Two 1920 x 1080 monitors side by side, the left one primary, no panels.
const Monitor kLeft{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}};
const Monitor kRight{{1920, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
// A smaller monitor left of and above the primary, with a panel at its top.
const Monitor kUpperLeft{{-1280, -200, 1280, 1024}, {-1280, -170, 1280, 994}};
const Monitor kPortrait{{1920, 0, 1080, 1920}, {1920, 0, 1080, 1880}};

const ScreenLayout kOne({kLaptop});
const ScreenLayout kSideBySide({kLeft, kRight});
const ScreenLayout kPrimaryOnTheRight({kRight, kLeft});
const ScreenLayout kThree({kLeft, kUpperLeft, kPortrait});

TEST(WindowPlacement, TheClocksMonitorHoldsItsCentreElseItIsTheNearest)
{
    const struct
    {
        const char* name;
        const ScreenLayout& layout;
        QRect window;
        Monitor expected;
    } cases[] = {
        {"one monitor, far away", kOne, {5000, 5000, 400, 400}, kLaptop},
        {"wholly on the right", kSideBySide, {2500, 300, 400, 400}, kRight},
        {"straddling, centre on the left", kSideBySide, {1600, 300, 400, 400}, kLeft},
        {"centre on the seam belongs to the right", kSideBySide, {1720, 0, 400, 400}, kRight},
        {"odd size: centre 1919.5 is still left", kSideBySide, {1719, 0, 401, 401}, kLeft},
        {"beyond the right edge: the nearest", kSideBySide, {4000, 300, 400, 400}, kRight},
        {"above both, nearer the left", kSideBySide, {1000, -900, 400, 400}, kLeft},
        {"left of and above the primary", kThree, {-1000, -100, 400, 400}, kUpperLeft},
        {"below the short monitors: the portrait one", kThree, {1500, 1500, 400, 400}, kPortrait},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.layout.monitorOf(c.window), c.expected);
    }
    EXPECT_EQ(ScreenLayout().primary().geometry, QRect(0, 0, 1024, 768)) << "no monitor reported";
}

TEST(WindowPlacement, PadPlacesCountFromTheClocksMonitor)
{
    const int s = 400;
    const struct
    {
        const char* name;
        PadPlace place;
        QPoint from;
        const Monitor& monitor;
        QPoint placed;
    } cases[] = {
        // One monitor: the classic places (W - S + 1 = 967, H - S = 328, centre 483,164).
        {"laptop top right", PadPlace::TopRight, {100, 50}, kLaptop, {967, -1}},
        {"laptop bottom right", PadPlace::BottomRight, {100, 50}, kLaptop, {967, 328}},
        {"laptop bottom left", PadPlace::BottomLeft, {100, 50}, kLaptop, {0, 328}},
        {"laptop centre", PadPlace::Centre, {100, 50}, kLaptop, {483, 164}},
        // The right monitor of two.
        {"right monitor bottom right", PadPlace::BottomRight, {2500, 300}, kRight, {3441, 680}},
        {"right monitor top left", PadPlace::TopLeft, {2500, 300}, kRight, {1919, -1}},
        {"right monitor left edge keeps the top", PadPlace::Left, {2500, 300}, kRight, {1919, 300}},
        {"right monitor bottom keeps the left", PadPlace::Bottom, {2500, 300}, kRight, {2500, 680}},
        {"right monitor centre", PadPlace::Centre, {2500, 300}, kRight, {2680, 340}},
        // Negative coordinates, a panel on top (counted by its size only, as on one monitor).
        {"upper left bottom left", PadPlace::BottomLeft, {-1000, -100}, kUpperLeft, {-1280, 394}},
        {"upper left top right", PadPlace::TopRight, {-1000, -100}, kUpperLeft, {-399, -201}},
        {"upper left centre", PadPlace::Centre, {-1000, -100}, kUpperLeft, {-840, 97}},
        {"portrait bottom right", PadPlace::BottomRight, {2000, 100}, kPortrait, {2601, 1480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PadPosition(c.place, c.from, s, c.monitor), c.placed);
    }
}

TEST(WindowPlacement, NudgesStopHalfAClockBeyondTheClocksMonitor)
{
    const struct
    {
        const char* name;
        Nudge direction;
        QPoint from;
        int size;
        const Monitor& monitor;
        std::optional<QPoint> placed;
    } cases[] = {
        {"left on the right monitor", Nudge::Left, {2500, 300}, 400, kRight, QPoint(2495, 300)},
        {"left at half beyond the right monitor's left", Nudge::Left, {1720, 300}, 400, kRight, std::nullopt},
        {"left just before that limit", Nudge::Left, {1725, 300}, 400, kRight, QPoint(1720, 300)},
        {"odd size: -200 is still above -200.5", Nudge::Left, {1720, 300}, 401, kRight, QPoint(1715, 300)},
        {"right at half beyond the right monitor", Nudge::Right, {3640, 300}, 400, kRight, std::nullopt},
        {"down at half beyond the bottom", Nudge::Down, {2500, 880}, 400, kRight, std::nullopt},
        {"up on a monitor above the primary", Nudge::Up, {-1000, -395}, 400, kUpperLeft, QPoint(-1000, -400)},
        {"up at half beyond its top", Nudge::Up, {-1000, -400}, 400, kUpperLeft, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NudgePosition(c.direction, c.from, c.size, c.monitor), c.placed);
    }
}

TEST(WindowPlacement, DraggingSnapsToTheEdgesOfTheClocksWorkArea)
{
    const QSize window(400, 400);
    const struct
    {
        const char* name;
        QPoint target;
        const Monitor& monitor;
        QPoint snapped;
    } cases[] = {
        {"15 pixels off the right monitor's left edge", {1935, 300}, kRight, {1920, 300}},
        {"16 pixels stays", {1936, 300}, kRight, {1936, 300}},
        {"right and bottom edges", {3430, 670}, kRight, {3440, 680}},
        {"the panel's edge, not the monitor's", {-1000, -160}, kUpperLeft, {-1000, -170}},
        {"the laptop's panel", {500, 320}, kLaptop, {500, 328}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToWorkArea(c.target, window, c.monitor, 15), c.snapped);
    }
}

TEST(WindowPlacement, OneMonitorPullsOnlyBeyondTheRightOrBottomEdgeToHalfTheScreen)
{
    const struct
    {
        int stored;
        int extent;
        int placed;
    } cases[] = {
        // clang-format off
        {5000, 1366, 683},
        {1367, 1366, 683},
        {1366, 1366, 1366}, // equal stays
        {-200, 1366, -200}, // negative stays
        {-5000, 1366, -5000},
        {900, 768, 384},
        {2000, 1365, 682}, // 682.5, to the even neighbour
        {2000, 767, 384}, // 383.5, to the even neighbour
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " on " << c.extent);
        EXPECT_EQ(OffScreenCorrection(c.stored, c.extent), c.placed);
    }
}

TEST(WindowPlacement, StoredPlaceIsKeptOnAnyMonitorAndCorrectedOnlyOffAllOfThem)
{
    const QSize window(400, 400);
    const struct
    {
        const char* name;
        const ScreenLayout& layout;
        QPoint stored;
        QPoint placed;
    } cases[] = {
        // One monitor: only beyond the right or bottom edge, pulled to half the whole screen.
        {"one monitor, kept", kOne, {100, 50}, {100, 50}},
        {"one monitor, beyond the right", kOne, {5000, 50}, {683, 50}},
        {"one monitor, beyond the bottom", kOne, {100, 769}, {100, 384}},
        {"one monitor, equal to the width stays", kOne, {1366, 768}, {1366, 768}},
        {"one monitor, negative stays", kOne, {-200, -5000}, {-200, -5000}},
        // Several: anywhere on any monitor, to the pixel.
        {"on the right monitor", kSideBySide, {2500, 300}, {2500, 300}},
        {"left of the primary", kPrimaryOnTheRight, {100, 300}, {100, 300}},
        {"left of and above the primary", kThree, {-1200, -150}, {-1200, -150}},
        {"on the tall part of a portrait monitor", kThree, {2000, 1400}, {2000, 1400}},
        {"partly on a monitor", kSideBySide, {3700, 900}, {3700, 900}},
        // On none: wholly on the primary's work area, as near as can be.
        {"monitor unplugged since, one left: the one-monitor rule", ScreenLayout({kLeft}), {2500, 300}, {960, 300}},
        {"beyond both", kSideBySide, {5000, 300}, {1520, 300}},
        {"below the short monitors", kThree, {100, 1500}, {100, 680}},
        {"beyond both, primary on the right", kPrimaryOnTheRight, {5000, -900}, {3440, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StartPosition(c.stored, window, c.layout), c.placed);
    }
}

TEST(WindowPlacement, ClockLeavesAMonitorThatWentAway)
{
    const ScreenLayout leftOnly({kLeft});
    const ScreenLayout smallerRight({kLeft, Monitor{{1920, 0, 1280, 720}, {1920, 0, 1280, 720}}});
    const struct
    {
        const char* name;
        QRect window;
        const ScreenLayout& before;
        const ScreenLayout& after;
        std::optional<QPoint> placed;
    } cases[] = {
        {"its monitor unplugged", {2500, 300, 400, 400}, kSideBySide, leftOnly, QPoint(1520, 300)},
        {"straddling, centre on the unplugged one", {1800, 900, 400, 400}, kSideBySide, leftOnly, QPoint(1520, 680)},
        {"another monitor unplugged", {100, 300, 400, 400}, kSideBySide, leftOnly, std::nullopt},
        {"its monitor smaller, the clock still fits", {2000, 100, 400, 400}, kSideBySide, smallerRight, std::nullopt},
        {"its monitor smaller, the clock beyond it",
         {3000, 600, 400, 400},
         kSideBySide,
         smallerRight,
         QPoint(2800, 320)},
        {"nothing changed", {2500, 300, 400, 400}, kSideBySide, kSideBySide, std::nullopt},
        {"the primary unplugged", {100, 300, 400, 400}, kPrimaryOnTheRight, ScreenLayout({kRight}), QPoint(1920, 300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PositionAfterLayoutChange(c.window, c.before, c.after), c.placed);
    }
}

TEST(WindowPlacement, DialogsAreCentredByTheirOuterSize)
{
    const struct
    {
        const char* name;
        QRect area;
        QSize outside;
        QPoint placed;
    } cases[] = {
        // The options window, 420 x 630 inside, framed by a 1-pixel border and a 20-pixel title bar.
        {"framed options window on the work area", {0, 0, 1366, 728}, {422, 651}, {472, 38}},
        {"the same window unframed", {0, 0, 1366, 728}, {420, 630}, {473, 49}},
        {"odd pixel left over goes right and down", {0, 0, 1365, 767}, {400, 400}, {482, 183}},
        {"the right monitor", kRight.workArea, {422, 651}, {2669, 214}},
        {"larger than the area: the overflow is shared", {0, 0, 800, 600}, {1000, 700}, {-100, -50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CentredPosition(c.area, c.outside), c.placed);
    }
}

TEST(WindowPlacement, ToolbarGoesBelowTheClockCentredAndStaysOnItsMonitor)
{
    const QSize toolbar(143, 34);
    const QRect screen(0, 0, 1366, 768);
    const struct
    {
        const char* name;
        QRect clock;
        QRect monitor;
        QPoint placed;
    } cases[] = {
        // left = nearest(100 + 200 - 71.5) = nearest(228.5) = 228 (even); top = 50 + 400
        {"below and centred", {100, 50, 400, 400}, screen, {228, 450}},
        {"odd half the other way", {101, 50, 400, 400}, screen, {230, 450}}, // 229.5 -> 230
        {"near the bottom: top held at 768 - 70", {100, 500, 400, 400}, screen, {228, 698}},
        {"near the right: left held at 1366 - 70", {1200, 50, 400, 400}, screen, {1296, 450}},
        {"exactly at the limits", {1167, 298, 400, 400}, screen, {1296, 698}}, // 1295.5 -> 1296
        {"off the left edge stays", {-300, -100, 400, 400}, screen, {-172, 300}}, // -171.5 -> -172
        {"the right monitor's bottom right", {3441, 680, 400, 400}, kRight.geometry, {3570, 1010}},
        {"the left monitor's right edge, not the desktop's", {1800, 50, 400, 400}, kLeft.geometry, {1850, 450}},
        {"a monitor above the primary", {-1000, 500, 400, 400}, kUpperLeft.geometry, {-872, 754}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToolbarPositionBelow(c.clock, toolbar, c.monitor), c.placed);
    }
}

} // namespace
