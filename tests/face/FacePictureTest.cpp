#include "face/FacePicture.h"

#include "face/FaceColors.h"
#include "face/FaceGeometry.h"
#include "face/FacePainter.h"
#include "face/FacePictureReference.h"

#include <QImage>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <string>

using namespace horavine;

namespace {

using SkinChange = std::function<void(TClockSkin&)>;

TClockSkin SkinWith(const SkinChange& change)
{
    TClockSkin skin = DefaultSkin();
    change(skin);
    return skin;
}

const std::map<std::string, SkinChange>& Skins()
{
    static const std::map<std::string, SkinChange> skins = {
        {"default",
         [](TClockSkin&) {
         }},
        {"circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
         }},
        {"rounded",
         [](TClockSkin& s) {
             s.Rounded = 1;
         }},
        {"odd colours",
         [](TClockSkin& s) {
             s.HourStartColor = 0x80000001; // system colours
             s.HourEndColor = 0x80000002;
             s.MinStartColor = 0xFF00FF00; // a stray top byte
             s.MinEndColor = 0x00010203;
             s.TicsBandColor = 0x00FFFFFF;
             s.TicsColor = 0x000000FE;
         }},
        {"mid 5 95",
         [](TClockSkin& s) {
             s.HourMidPos = 5;
             s.MinMidPos = 95;
         }},
        {"mid 95 5 circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
             s.HourMidPos = 95;
             s.MinMidPos = 5;
         }},
        {"mid 0 100",
         [](TClockSkin& s) {
             s.HourMidPos = 0;
             s.MinMidPos = 100;
         }},
        {"mid -5 50 circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
             s.HourMidPos = -5;
             s.MinMidPos = 50;
         }},
        {"inner over outer",
         [](TClockSkin& s) {
             s.OuterEdge = 40;
             s.InnerEdge = 41;
         }},
        {"inner over outer circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
             s.OuterEdge = 40;
             s.InnerEdge = 41;
         }},
        {"tics 1",
         [](TClockSkin& s) {
             s.TicsWidth = 1;
         }},
        {"tics 20 circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
             s.TicsWidth = 20;
             s.OuterEdge = 90;
             s.InnerEdge = 10;
         }},
        {"tics 20",
         [](TClockSkin& s) {
             s.TicsWidth = 20;
         }},
        {"negative edges",
         [](TClockSkin& s) {
             s.OuterEdge = -30;
             s.InnerEdge = -20;
         }},
        {"negative edges circular",
         [](TClockSkin& s) {
             s.NotCircular = 0;
             s.OuterEdge = -30;
             s.InnerEdge = 70;
         }},
    };
    return skins;
}

struct Moment
{
    int h, m;
};

// Where the two pictures differ: the count and the first pixel, column by column.
std::string Differences(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size() || actual.format() != expected.format()) {
        return "size or format differs";
    }
    long count = 0;
    std::string first;
    for (int x = 0; x < actual.width(); ++x) {
        for (int y = 0; y < actual.height(); ++y) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                if (count++ == 0) {
                    first = " first at " + std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ" + first;
}

QImage Reference(int w, int h, const TClockSkin& skin, double hourAngle, double minuteAngle)
{
    QImage picture(w, h, QImage::Format_RGB32);
    reference::DrawFacePicture(picture, skin, hourAngle, minuteAngle);
    return picture;
}

TEST(FacePicture, EveryPixelMatchesThePlainRule)
{
    struct Row
    {
        const char* skin;
        int w, h;
        Moment at;
    };
    // One painter for all rows, in an order that changes the size, the skin or both between
    // rows, so that every cache has to notice what it depends on.
    const Row rows[] = {
        {"default", 400, 400, {10, 10}},
        {"default", 400, 400, {3, 0}},
        {"circular", 400, 400, {3, 0}},
        {"rounded", 400, 400, {3, 15}},
        {"circular", 401, 401, {10, 10}},
        {"default", 401, 401, {11, 60}},
        {"odd colours", 401, 401, {23, 59}},
        {"odd colours", 50, 50, {3, 15}},
        {"mid 5 95", 50, 50, {10, 10}},
        {"mid 5 95", 51, 51, {0, 0}},
        {"mid 95 5 circular", 51, 51, {23, 59}},
        {"mid 95 5 circular", 200, 200, {3, 0}},
        {"mid 0 100", 200, 200, {11, 60}},
        {"mid 0 100", 199, 257, {3, 15}},
        {"mid -5 50 circular", 199, 257, {10, 10}},
        {"mid -5 50 circular", 257, 199, {12, 0}},
        {"inner over outer", 257, 199, {3, 0}},
        {"inner over outer", 300, 300, {23, 59}},
        {"inner over outer circular", 300, 300, {11, 60}},
        {"inner over outer circular", 301, 301, {3, 15}},
        {"tics 1", 301, 301, {10, 10}},
        {"tics 1", 120, 80, {3, 0}},
        {"tics 20 circular", 120, 80, {23, 59}},
        {"tics 20 circular", 80, 120, {12, 0}},
        {"tics 20", 80, 120, {3, 15}},
        {"tics 20", 99, 99, {11, 60}},
        {"negative edges", 99, 99, {10, 10}},
        {"negative edges circular", 100, 100, {3, 0}},
        {"circular", 100, 100, {23, 59}},
        {"rounded", 100, 100, {3, 0}},
        {"default", 1000, 1000, {10, 10}},
        {"circular", 1000, 1000, {23, 59}},
        {"mid 95 5 circular", 999, 999, {3, 15}},
        {"default", 2, 2, {10, 10}},
        {"circular", 1, 1, {3, 0}},
        {"circular", 3, 5, {10, 10}},
    };
    FacePainter painter;
    for (const Row& row : rows) {
        const TClockSkin skin = SkinWith(Skins().at(row.skin));
        const double hourAngle = HourAngle(row.at.h, row.at.m);
        const double minuteAngle = MinuteAngle(row.at.m);
        QImage picture(row.w, row.h, QImage::Format_RGB32);
        painter.draw(picture, skin, hourAngle, minuteAngle);
        EXPECT_EQ(Differences(picture, Reference(row.w, row.h, skin, hourAngle, minuteAngle)), "")
            << row.skin << " " << row.w << "x" << row.h << " at " << row.at.h << ":" << row.at.m;
    }
}

TEST(FacePicture, EveryMinuteOfTwelveHoursMatchesThePlainRule)
{
    // The painter keeps the angle of each pixel in single precision and works out again those
    // that fall close to a rounding boundary; every angle the clock turns its bands to, on an
    // odd and an even size, must still give the plain rule's pixels.
    const struct
    {
        const char* skin;
        int side;
    } rows[] = {{"default", 100}, {"mid 95 5 circular", 97}};
    FacePainter painter;
    for (const auto& row : rows) {
        const TClockSkin skin = SkinWith(Skins().at(row.skin));
        QImage picture(row.side, row.side, QImage::Format_RGB32);
        QImage expected(row.side, row.side, QImage::Format_RGB32);
        for (int minuteOfDial = 0; minuteOfDial < 720; ++minuteOfDial) {
            const double hourAngle = HourAngle(minuteOfDial / 60, minuteOfDial % 60);
            const double minuteAngle = MinuteAngle(minuteOfDial % 60);
            painter.draw(picture, skin, hourAngle, minuteAngle);
            reference::DrawFacePicture(expected, skin, hourAngle, minuteAngle);
            ASSERT_EQ(Differences(picture, expected), "") << row.skin << " " << row.side << " at " << minuteOfDial;
        }
    }
}

TEST(FacePicture, EveryChangedSkinFieldReachesThePicture)
{
    const SkinChange changes[] = {
        [](TClockSkin&) {},
        [](TClockSkin& s) { s.TicsColor = 0x0000FF00; },
        [](TClockSkin& s) { s.TicsBandColor = 0x00404040; },
        [](TClockSkin& s) { s.TicsWidth = 7; },
        [](TClockSkin& s) { s.OuterEdge = 80; },
        [](TClockSkin& s) { s.InnerEdge = 30; },
        [](TClockSkin& s) { s.NotCircular = 0; },
        [](TClockSkin& s) { s.HourStartColor = 0x000000FF; },
        [](TClockSkin& s) { s.HourEndColor = 0x00FF0000; },
        [](TClockSkin& s) { s.HourMidPos = 20; },
        [](TClockSkin& s) { s.MinStartColor = 0x0000FF00; },
        [](TClockSkin& s) { s.MinEndColor = 0x00FFFF00; },
        [](TClockSkin& s) { s.MinMidPos = 70; },
    };
    FacePainter painter;
    TClockSkin skin = DefaultSkin();
    int step = 0;
    for (const SkinChange& change : changes) {
        change(skin);
        QImage picture(90, 90, QImage::Format_RGB32);
        painter.draw(picture, skin, HourAngle(4, 20), MinuteAngle(20));
        EXPECT_EQ(Differences(picture, Reference(90, 90, skin, HourAngle(4, 20), MinuteAngle(20))), "")
            << "after change " << step;
        ++step;
    }
}

TEST(FacePicture, AnglesBeyondFourTurnsStillWrapRight)
{
    const TClockSkin skin = SkinWith(Skins().at("circular"));
    FacePainter painter;
    for (const double angle : {40.0, 12.6, 1000.0}) {
        QImage picture(150, 150, QImage::Format_RGB32);
        painter.draw(picture, skin, angle, angle + 1.0);
        EXPECT_EQ(Differences(picture, Reference(150, 150, skin, angle, angle + 1.0)), "") << angle;
    }
}

TEST(FacePicture, FreeFunctionDrawsTheSamePictureAndMakesItRgb32)
{
    const TClockSkin skin = SkinWith(Skins().at("circular"));
    QImage picture(120, 110, QImage::Format_ARGB32);
    DrawFacePicture(picture, skin, HourAngle(8, 5), MinuteAngle(5));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(Differences(picture, Reference(120, 110, skin, HourAngle(8, 5), MinuteAngle(5))), "");
    DrawFacePicture(picture, skin, HourAngle(8, 6), MinuteAngle(6));
    EXPECT_EQ(Differences(picture, Reference(120, 110, skin, HourAngle(8, 6), MinuteAngle(6))), "");
}

// Channels within a few steps: a pixel near a seam sits a few thousandths of the cycle from it.
bool Near(QRgb actual, TColor expected)
{
    const QRgb e = ToQRgb(expected);
    return std::abs(qRed(actual) - qRed(e)) <= 3 && std::abs(qGreen(actual) - qGreen(e)) <= 3
        && std::abs(qBlue(actual) - qBlue(e)) <= 3;
}

TEST(FacePicture, ClockwiseOfASeamIsTheFirstColourAnticlockwiseTheLast)
{
    const TClockSkin skin = SkinWith([](TClockSkin& s) {
        s.HourStartColor = 0x000000FF; // red
        s.HourEndColor = 0x0000FF00; // green
        s.MinStartColor = 0x00FF0000; // blue
        s.MinEndColor = 0x0000FFFF; // yellow
    });
    QImage picture(400, 400, QImage::Format_RGB32); // square face: hours inside 100, minutes outside 120
    FacePainter painter;
    painter.draw(picture, skin, HourAngle(3, 0), MinuteAngle(0));
    struct Row
    {
        const char* where;
        int x, y;
        TColor expected;
    };
    const Row rows[] = {
        {"below the hour seam (right)", 260, 201, 0x000000FF},
        {"above the hour seam", 260, 199, 0x0000FF00},
        {"right of the minute seam (up)", 201, 40, 0x00FF0000},
        {"left of the minute seam", 199, 40, 0x0000FFFF},
    };
    for (const Row& row : rows) {
        const QRgb actual = picture.pixel(row.x, row.y);
        EXPECT_TRUE(Near(actual, row.expected)) << row.where << ": " << std::hex << actual;
    }
}

TEST(FacePicture, CentreAndVerticalPixelsTakeTheUpAndDownAngles)
{
    // At 12:00 the hour seam points up: straight up is position 0 (the first colour), straight
    // down position 3142 (the middle). atan2(0, 0) = 0 would give position 1571 at the centre.
    const TClockSkin skin = SkinWith([](TClockSkin& s) {
        s.NotCircular = 0;
        s.HourStartColor = 0x000000FF; // red
        s.HourEndColor = 0x0000FF00; // green; middle: red 255 - 127, green 127
    });
    QImage picture(200, 200, QImage::Format_RGB32);
    FacePainter painter;
    painter.draw(picture, skin, HourAngle(0, 0), MinuteAngle(0));
    EXPECT_EQ(picture.pixel(100, 100), QRgb(0xFFFF0000)) << "centre";
    EXPECT_EQ(picture.pixel(100, 101), QRgb(0xFF807F00)) << "just below";
    EXPECT_EQ(picture.pixel(100, 140), QRgb(0xFF807F00)) << "further below";
}

int RunLength(const QImage& picture, QPoint from, QPoint step)
{
    const QRgb color = picture.pixel(from);
    int n = 1;
    for (QPoint p = from + step; picture.valid(p) && picture.pixel(p) == color; p += step) {
        ++n;
    }
    for (QPoint p = from - step; picture.valid(p) && picture.pixel(p) == color; p -= step) {
        ++n;
    }
    return n;
}

TEST(FacePicture, TwelveOClockTicIsTwoPixelsWider)
{
    struct Row
    {
        int ticsWidth;
        int threeOClock, twelveOClock;
    };
    const Row rows[] = {{1, 1, 3}, {2, 2, 4}, {3, 3, 5}, {5, 5, 7}};
    for (const Row& row : rows) {
        const TClockSkin skin = SkinWith([&](TClockSkin& s) { s.TicsWidth = row.ticsWidth; });
        QImage picture(400, 400, QImage::Format_RGB32); // tics band between 100 and 120 from the centre
        FacePainter painter;
        painter.draw(picture, skin, HourAngle(7, 40), MinuteAngle(40));
        const QRgb white = 0xFFFFFFFF;
        ASSERT_EQ(picture.pixel(310, 200), white);
        ASSERT_EQ(picture.pixel(200, 90), white);
        EXPECT_EQ(RunLength(picture, {310, 200}, {0, 1}), row.threeOClock) << "tics width " << row.ticsWidth;
        EXPECT_EQ(RunLength(picture, {200, 90}, {1, 0}), row.twelveOClock) << "tics width " << row.ticsWidth;
    }
}

TEST(FacePicture, InnerEdgeAboveOuterLeavesARingOnlyOnACircle)
{
    // Plain colours per band make the kind of every pixel readable: hours red, minutes blue.
    const auto skin = [](bool circular) {
        return SkinWith([circular](TClockSkin& s) {
            s.NotCircular = circular ? 0 : 1;
            s.OuterEdge = 60; // 120 at 400 pixels
            s.InnerEdge = 61; // 122
            s.HourStartColor = s.HourEndColor = 0x000000FF;
            s.MinStartColor = s.MinEndColor = 0x00FF0000;
        });
    };
    const QRgb red = 0xFFFF0000;
    const QRgb blue = 0xFF0000FF;
    const QRgb black = 0xFF000000;
    FacePainter painter;

    QImage circle(400, 400, QImage::Format_RGB32);
    painter.draw(circle, skin(true), HourAngle(7, 40), MinuteAngle(40));
    struct Row
    {
        QPoint at;
        QRgb expected;
    };
    const Row rows[] = {
        {{284, 284}, red}, // 118.8 from the centre, 45 degrees: between tics
        {{286, 286}, black}, // 121.6: between the radii, the tics band shows
        {{288, 288}, blue}, // 124.5
        {{399, 399}, black}, // outside the disc
    };
    for (const Row& row : rows) {
        EXPECT_EQ(circle.pixel(row.at), row.expected) << row.at.x() << "," << row.at.y();
    }

    QImage square(400, 400, QImage::Format_RGB32);
    painter.draw(square, skin(false), HourAngle(7, 40), MinuteAngle(40));
    long others = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            others += square.pixel(x, y) != red && square.pixel(x, y) != blue;
        }
    }
    EXPECT_EQ(others, 0) << "no tics band on a square face";
}

TEST(FacePicture, DamagedSkinsAndSizesDrawWithoutHarm)
{
    struct Row
    {
        const char* what;
        int w, h;
        SkinChange change;
        double hourAngle, minuteAngle;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"huge outer edge", 200, 200, [](TClockSkin& s) { s.OuterEdge = INT_MAX; }, 1, 2},
        {"lowest outer edge", 200, 200, [](TClockSkin& s) { s.OuterEdge = INT_MIN; }, 1, 2},
        {"huge inner edge", 200, 200,
         [](TClockSkin& s) {
             s.InnerEdge = INT_MAX;
             s.NotCircular = 0;
         },
         1, 2},
        {"lowest inner edge", 200, 200, [](TClockSkin& s) { s.InnerEdge = INT_MIN; }, 1, 2},
        {"huge tics", 200, 200, [](TClockSkin& s) { s.TicsWidth = INT_MAX; }, 1, 2},
        {"lowest tics", 200, 200, [](TClockSkin& s) { s.TicsWidth = INT_MIN; }, 1, 2},
        {"zero tics", 200, 200, [](TClockSkin& s) { s.TicsWidth = 0; }, 1, 2},
        {"extreme mid", 200, 200,
         [](TClockSkin& s) {
             s.HourMidPos = INT_MIN;
             s.MinMidPos = INT_MAX;
         },
         1, 2},
        {"empty", 0, 0, [](TClockSkin&) {}, 1, 2},
        {"no height", 10, 0, [](TClockSkin&) {}, 1, 2},
        {"no width", 0, 10, [](TClockSkin&) {}, 1, 2},
        {"one pixel", 1, 1, [](TClockSkin&) {}, 1, 2},
        {"one column", 1, 300, [](TClockSkin& s) { s.NotCircular = 0; }, 1, 2},
        {"negative angles", 100, 100, [](TClockSkin&) {}, -100, -1e6},
        {"huge angles", 100, 100, [](TClockSkin&) {}, 1e300, -1e300},
        {"no angles", 100, 100, [](TClockSkin&) {}, nan, inf},
    };
    FacePainter painter;
    for (const Row& row : rows) {
        QImage picture(row.w, row.h, QImage::Format_RGB32);
        const QSize size = picture.size(); // 0 x 0 when either side is 0
        painter.draw(picture, SkinWith(row.change), row.hourAngle, row.minuteAngle);
        EXPECT_EQ(picture.size(), size) << row.what;
        EXPECT_EQ(picture.isNull() ? QImage::Format_RGB32 : picture.format(), QImage::Format_RGB32) << row.what;
    }
}

TEST(FacePicture, NegativeAnglesWrapIntoTheCycle)
{
    // One whole cycle below is not the same picture (2 pi is 6283.19 positions), but every
    // position must still be a colour of the band: a plain band shows nothing else.
    const TClockSkin skin = SkinWith([](TClockSkin& s) {
        s.HourStartColor = s.HourEndColor = 0x000000FF;
        s.MinStartColor = s.MinEndColor = 0x00FF0000;
    });
    QImage picture(100, 100, QImage::Format_RGB32);
    FacePainter painter;
    painter.draw(picture, skin, -50.0, -7.0);
    EXPECT_EQ(picture.pixel(50, 52), QRgb(0xFFFF0000));
    EXPECT_EQ(picture.pixel(3, 3), QRgb(0xFF0000FF));
}

} // namespace
