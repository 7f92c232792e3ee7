#include "face/FaceGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

using namespace horavine;

namespace {

constexpr double kPi = std::numbers::pi;

// A direction in degrees within (-180, 180]: 0 right, 90 down, -90 up.
double Degrees(double radians)
{
    double d = std::fmod(radians * 180.0 / kPi, 360.0);
    if (d <= -180.0) {
        d += 360.0;
    }
    if (d > 180.0) {
        d -= 360.0;
    }
    return d;
}

TEST(FaceGeometry, SeamsPointAtTheHourAndTheMinute)
{
    struct Row
    {
        int h, m;
        double hourSeam, minuteSeam; // pi - angle, in degrees
    };
    const Row rows[] = {
        {3, 0, 0.0, -90.0},      {3, 15, 7.5, 0.0}, // both right, the hour 7.5 degrees below
        {10, 10, -145.0, -30.0}, {12, 0, -90.0, -90.0},
        {0, 0, -90.0, -90.0},    {11, 60, -90.0, -90.0}, // minute 60 is the next whole hour
        {23, 59, -90.5, -96.0},  {6, 30, 105.0, 90.0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(Degrees(kPi - HourAngle(row.h, row.m)), row.hourSeam, 1e-9) << row.h << ":" << row.m;
        EXPECT_NEAR(Degrees(kPi - MinuteAngle(row.m)), row.minuteSeam, 1e-9) << row.h << ":" << row.m;
    }
}

TEST(FaceGeometry, ClockAnglesKeepEveryPixelPositionPositive)
{
    // The smallest position sum is (-pi + angle + pi); it must stay above zero for the wrap to hold.
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m <= 60; ++m) {
            EXPECT_GT(-kPi + HourAngle(h, m) + kPi, 0.0) << h << ":" << m;
            EXPECT_GT(-kPi + MinuteAngle(m) + kPi, 0.0) << m;
        }
    }
}

TEST(FaceGeometry, RadiiAreMeasuredOnHalfWidthAndHalfHeight)
{
    TClockSkin skin = DefaultSkin(); // outer 60, inner 50
    const FaceGeometry g = MakeFaceGeometry(300, 200, skin);
    EXPECT_EQ(g.cx, 150.0);
    EXPECT_EQ(g.cy, 100.0);
    EXPECT_EQ(g.outerRadius, 90.0);
    EXPECT_EQ(g.innerRadius, 50.0);
    EXPECT_EQ(g.maxRadius, 100.0);
    EXPECT_TRUE(g.square);
    skin.NotCircular = 0;
    EXPECT_FALSE(MakeFaceGeometry(301, 201, skin).square);
    EXPECT_EQ(MakeFaceGeometry(301, 201, skin).cx, 150.5);
}

TEST(FaceGeometry, FacePointLiesOnTheCircleOrOnTheSquare)
{
    struct Row
    {
        int size;
        bool square;
        double r, a;
        QPoint expected;
    };
    const Row rows[] = {
        {400, false, 100, 0, {300, 200}},       {400, false, 100, -kPi / 2, {200, 100}},
        {400, false, 100, kPi, {100, 200}},     {400, false, 100, kPi / 4, {271, 271}}, // 70.71 each way
        {400, true, 100, kPi / 4, {300, 300}}, // the square's corner
        {400, true, 100, kPi / 6, {300, 258}}, // right side, 100 tan 30 = 57.7 down
        {400, true, 100, -kPi / 3, {258, 100}}, // top side, 100 cot 60 = 57.7 right
        {400, true, 100, kPi, {100, 200}},      {401, false, 10, 0, {210, 200}}, // centre 200.5 rounds to the even 200
        {401, true, 10, 0, {210, 200}}, // 210.5 likewise
        {403, false, 10, 0, {212, 202}}, // 201.5 -> 202
        {400, true, 0, 0, {200, 200}}, // cot 0 is infinite; the point stays at the centre
        {400, true, 0.4, kPi / 2, {200, 200}},  {400, false, std::numeric_limits<double>::quiet_NaN(), 1, {200, 200}},
    };
    for (const Row& row : rows) {
        TClockSkin skin = DefaultSkin();
        skin.NotCircular = row.square ? 1 : 0;
        const FaceGeometry g = MakeFaceGeometry(row.size, row.size, skin);
        EXPECT_EQ(FacePoint(row.r, row.a, g), row.expected)
            << row.size << (row.square ? " square r " : " circle r ") << row.r << " a " << row.a;
    }
}

TEST(FaceGeometry, NearestRoundsHalvesToEvenAndSaturates)
{
    struct Row
    {
        double v;
        int expected;
    };
    const Row rows[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {2.49, 2},
        {-2.51, -3},
        {1e300, 1 << 30},
        {-1e300, -(1 << 30)},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NearestInt(row.v), row.expected) << row.v;
    }
}

} // namespace
