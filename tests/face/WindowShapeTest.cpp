#include "face/WindowShape.h"

#include <gtest/gtest.h>

using namespace horavine;

namespace {

int Area(const QRegion& region)
{
    int area = 0;
    for (const QRect& r : region)
        area += r.width() * r.height();
    return area;
}

// The outline turned over left-right and top-bottom within a window of the given size.
QRegion Mirrored(const QRegion& region, int size)
{
    QRegion mirrored;
    for (const QRect& r : region) {
        mirrored += QRect(QPoint(size - 1 - r.right(), r.top()), QPoint(size - 1 - r.left(), r.bottom()));
    }
    QRegion flipped;
    for (const QRect& r : mirrored)
        flipped += QRect(QPoint(r.left(), size - 1 - r.bottom()), QPoint(r.right(), size - 1 - r.top()));
    return flipped;
}

} // namespace

TEST(WindowShape, AlphaLevelFollowsTheTransparencyTable)
{
    // clang-format off
    const struct { int transparency; int alpha; } rows[] = {
        {0, 255}, {5, 242}, {10, 230}, {15, 217}, {20, 204}, {25, 191}, {30, 178}, {35, 166}, {40, 153},
        {45, 140}, {50, 128},
        {1, 252},   // 252.45
        {2, 250},   // 249.9
        {51, 128}, {100, 128}, {255, 128}, // above 50 counts as 50
        {-7, 255},  // below 0 counts as 0
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(AlphaLevel(row.transparency), row.alpha) << "transparency " << row.transparency;
}

TEST(WindowShape, SquareLeavesAOnePixelMarginAllRound)
{
    const QRegion outline = WindowOutline(400, true, false);
    EXPECT_EQ(outline, QRegion(1, 1, 398, 398));
    EXPECT_TRUE(outline.contains(QPoint(398, 398)));
    EXPECT_FALSE(outline.contains(QPoint(0, 200)));
    EXPECT_FALSE(outline.contains(QPoint(399, 200)));
}

TEST(WindowShape, CircleTouchesEveryEdgeAndLeavesTheCorners)
{
    const QRegion outline = WindowOutline(400, false, false);
    EXPECT_EQ(outline.boundingRect(), QRect(0, 0, 400, 400));
    for (const QPoint p : {QPoint(199, 0), QPoint(200, 0), QPoint(0, 199), QPoint(399, 200), QPoint(200, 399)})
        EXPECT_TRUE(outline.contains(p)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(399, 399), QPoint(58, 58)})
        EXPECT_FALSE(outline.contains(p)) << p.x() << "," << p.y();
    EXPECT_TRUE(outline.contains(QPoint(59, 59))); // 141 pixels along the diagonal from the centre
    EXPECT_EQ(Mirrored(outline, 400), outline);
    EXPECT_NEAR(Area(outline), 3.14159265 * 200 * 200, 400); // within one pixel per row
}

TEST(WindowShape, RoundedCutsOnlyTheFourCorners)
{
    const QRegion square = WindowOutline(400, true, false);
    const QRegion outline = WindowOutline(400, true, true);
    EXPECT_EQ(outline.boundingRect(), QRect(1, 1, 398, 398));
    EXPECT_EQ(outline - square, QRegion());
    EXPECT_EQ(Mirrored(outline, 400), outline);

    const QRegion cut = square - outline;
    // Everything cut lies in the corners' 25 x 25 squares, and each corner loses about
    // (1 - pi / 4) * 25 * 25 = 134 pixels.
    const QRegion corners
        = QRegion(1, 1, 25, 25) + QRegion(374, 1, 25, 25) + QRegion(1, 374, 25, 25) + QRegion(374, 374, 25, 25);
    EXPECT_EQ(cut - corners, QRegion());
    EXPECT_NEAR(Area(cut), 4 * 134, 4 * 15);
    for (const QPoint p : {QPoint(1, 1), QPoint(398, 1), QPoint(1, 398), QPoint(398, 398), QPoint(7, 7)})
        EXPECT_FALSE(outline.contains(p)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(26, 1), QPoint(1, 26), QPoint(1, 200), QPoint(373, 398), QPoint(8, 8)})
        EXPECT_TRUE(outline.contains(p)) << p.x() << "," << p.y();
}

TEST(WindowShape, SmallAndAbsurdSizesGiveBoundedOutlines)
{
    EXPECT_TRUE(WindowOutline(0, false, false).isEmpty());
    EXPECT_TRUE(WindowOutline(-40, true, true).isEmpty());
    EXPECT_TRUE(WindowOutline(2, true, false).isEmpty()); // the margin leaves nothing
    EXPECT_EQ(WindowOutline(3, true, true), QRegion(1, 1, 1, 1));
    EXPECT_EQ(WindowOutline(1, false, false), QRegion(0, 0, 1, 1));
    // Corners larger than the square shrink to its size: a 40-pixel rounded window is a circle.
    EXPECT_EQ(WindowOutline(40, true, true), WindowOutline(38, false, false).translated(1, 1));
    EXPECT_EQ(WindowOutline(2000000000, false, false).boundingRect(), QRect(0, 0, 10000, 10000));
}
