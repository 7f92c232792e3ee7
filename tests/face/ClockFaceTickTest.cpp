#include "ClockFaceFixture.h"
#include "face/MarkerRules.h"

#include <QPainter>
#include <cmath>

using namespace horavine;
using namespace horavine::test;

namespace {

const double kSin30 = 0.5;
const double kCos30 = std::sqrt(3.0) / 2.0;

} // namespace

TEST_F(ClockFaceTest, MarkerRunsClockwiseFromTwelveOnCircleAndSquare)
{
    // Default skin: track (60 + 50) / 2 = 55. On the square the ray meets the ring of half side 55.
    // clang-format off
    const struct { int notCircular; int second; double x; double y; } rows[] = {
        {0, 0, 0, 55},   {0, 15, 55, 0},   {0, 30, 0, -55},   {0, 45, -55, 0},
        {0, 5, 55 * kSin30, 55 * kCos30},    // 30 degrees past 12
        {0, 50, -55 * kCos30, 55 * kSin30},  // 60 degrees before 12
        {1, 0, 0, 55},   {1, 15, 55, 0},   {1, 30, 0, -55},   {1, 45, -55, 0},
        {1, 5, 55 * kSin30 / kCos30, 55},    // steeper than 45 degrees: on the top side
        {1, 10, 55, 55 * kSin30 / kCos30},   // 30 degrees above 3 o'clock: on the right side
        {1, 7, 55 * std::tan(42 * M_PI / 180), 55},
        {1, 8, 55, 55 * std::tan(42 * M_PI / 180)},
        {1, 37, -55 * std::tan(42 * M_PI / 180), -55},
        {1, 52, -55, 55 * std::tan(42 * M_PI / 180)},
    };
    // clang-format on
    for (const auto& row : rows) {
        skin().NotCircular = std::uint8_t(row.notCircular);
        face().RequestRebuild();
        tickAt(At(16, 20, 59)); // a rebuild leaves the marker where it was
        tickAt(At(16, 20, row.second));
        EXPECT_NEAR(face().surface().srsSec().X, row.x, 1e-9) << row.notCircular << " s " << row.second;
        EXPECT_NEAR(face().surface().srsSec().Y, row.y, 1e-9) << row.notCircular << " s " << row.second;
    }
}

TEST(MarkerRules, BandOfNoWidthKeepsTheMarkerAtTheCentre)
{
    for (int second : {0, 15, 30, 45, 7}) {
        const QPointF centre = MarkerCentre(second, 0.0, true);
        EXPECT_EQ(centre, QPointF(0, 0)) << second;
    }
}

TEST_F(ClockFaceTest, MarkerRadiusFollowsTheBandAtEveryRebuild)
{
    // clang-format off
    const struct { int outer; int inner; double radius; } rows[] = {
        {60, 50, 5}, {90, 20, 35}, {55, 55, 0}, {50, 51, -0.5}, // below 0 draws as one pixel
    };
    // clang-format on
    tickAt(At(1, 2, 3));
    for (const auto& row : rows) {
        skin().OuterEdge = row.outer;
        skin().InnerEdge = row.inner;
        face().RebuildFace();
        EXPECT_EQ(face().surface().srsSec().Radius, row.radius) << row.outer << "/" << row.inner;
    }
}

TEST(MarkerRules, StyleTableShapesTheMarker)
{
    // clang-format off
    const struct { int before; int secStyle; bool active; int pointer; int fill; } rows[] = {
        // before: the style applied first, so that "not set" and "left as it was" show
        {1, 0, true, psCircle, bsClear},
        {0, 1, true, psCircle, bsSolid},
        {1, 2, true, psStar, bsSolid},      // a star has no area: fill left as it was
        {0, 2, true, psStar, bsClear},
        {0, 3, false, psCircle, bsClear},   // "None": hidden, shape kept
        {0, 4, true, psRectangle, bsClear},
        {0, 5, true, psRectangle, bsSolid},
        {5, 6, true, psCross, bsSolid},
        {0, 7, true, psDiamond, bsSolid},
        {0, 8, true, psTriangle, bsSolid},
        {4, 9, true, psRectangle, bsClear}, // outside 0..8: shown, previous shape
        {7, -1, true, psDiamond, bsSolid},
        {3, 0, true, psCircle, bsClear},    // from "None" back to an empty circle
    };
    // clang-format on
    for (const auto& row : rows) {
        SecondMarker marker;
        TClockSkin skin = DefaultSkin();
        skin.SecStyle = row.before;
        ApplyMarkerStyle(marker, skin);
        skin.SecStyle = row.secStyle;
        skin.SecColor = 0x00123456;
        ApplyMarkerStyle(marker, skin);
        EXPECT_EQ(marker.Active, row.active) << row.before << " -> " << row.secStyle;
        EXPECT_EQ(marker.PointerStyle, row.pointer) << row.before << " -> " << row.secStyle;
        EXPECT_EQ(marker.FillStyle, row.fill) << row.before << " -> " << row.secStyle;
        EXPECT_EQ(marker.PenColor, 0x00123456u);
        EXPECT_EQ(marker.FillColor, 0x00123456u);
    }
}

TEST_F(ClockFaceTest, SecStyleNoneHidesAndEmptyCircleShowsAgain)
{
    tickAt(At(12, 0, 0));
    skin().SecStyle = ssNone;
    face().RebuildFace();
    EXPECT_FALSE(face().surface().srsSec().Active);
    skin().SecStyle = ssEmptyCircle;
    face().RebuildFace();
    EXPECT_TRUE(face().surface().srsSec().Active);
    EXPECT_EQ(face().surface().srsSec().PointerStyle, psCircle);
    EXPECT_EQ(face().surface().srsSec().FillStyle, bsClear);
}

TEST_F(ClockFaceTest, ReadoutTextFollowsTheChosenFormat)
{
    // clang-format off
    const struct { int digFormat; TDateTime at; const char* label; } rows[] = {
        {-1, At(14, 5, 9), "12:34:56 AM"},   // no selection: the label stays
        {0, At(14, 5, 9), "2:05:09 PM"},
        {1, At(14, 5, 9), "14:05:09"},
        {-1, At(14, 5, 10), "14:05:09"},
        {0, At(0, 0, 0), "12:00:00 AM"},     // a fresh timer
        {1, At(0, 0, 0), "0:00:00"},
        {0, At(12, 30, 0, 999), "12:30:00 PM"}, // milliseconds are dropped
    };
    // clang-format on
    tickAt(At(14, 5, 8));
    for (const auto& row : rows) {
        m_host.digFormat = row.digFormat;
        tickAt(row.at);
        EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), row.label) << row.digFormat;
    }
    m_host.digFormat = 1;
    face().setFormat24("hh.nn");
    tickAt(At(9, 7, 0));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "09.07");
}

TEST_F(ClockFaceTest, ReadoutReadsClockTimeAgainAfterTheAlarmHook)
{
    tickAt(At(7, 29, 59));
    m_host.onAlarm = [&] {
        m_host.clock.advanceSeconds(2);
    };
    tickAt(At(7, 30, 3));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "7:30:05");
}

TEST_F(ClockFaceTest, AlarmHookGetsTheRealTimeOnOrdinaryTicksOnly)
{
    // Timer mode: the face shows the elapsed time, alarms go by the wall clock.
    m_host.clock.set(0.0);
    m_host.real.set(At(7, 30, 3));
    face().Timer1Timer(); // the first tick builds
    face().RebuildFace();
    EXPECT_TRUE(m_host.alarms.empty());

    m_host.real.set(At(7, 30, 4));
    face().Timer1Timer();
    ASSERT_EQ(m_host.alarms.size(), 1u);
    EXPECT_EQ(m_host.alarms[0], At(7, 30, 4));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "0:00:00");
    EXPECT_EQ(face().faceState(), 0);
}

TEST_F(ClockFaceTest, OrdinaryTickMovesRepaintsThenAsksTheAlarms)
{
    tickAt(At(3, 3, 3));
    m_host.calls.clear();
    tickAt(At(3, 3, 4));
    // The marker's areas before the alarm hook, the read-out's after it.
    const QStringList expected = {"placeAboveTimerToolbar", "faceAreasChanged", "alarmHook", "faceAreasChanged"};
    EXPECT_EQ(m_host.calls, expected);
}

TEST_F(ClockFaceTest, PaintsNothingUntilTheFirstTick)
{
    QImage canvas(400, 400, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    const QImage blank = canvas;
    {
        QPainter painter(&canvas);
        face().paint(painter);
    }
    EXPECT_EQ(canvas, blank);

    tickAt(At(5, 5, 5));
    {
        QPainter painter(&canvas);
        face().paint(painter);
    }
    EXPECT_TRUE(SamePixels(canvas, face().surface().render()));
}

TEST(ClockFaceTimer, NextTickIsDueJustAfterTheNextWholeSecond)
{
    // clang-format off
    const struct { TDateTime now; int delay; } rows[] = {
        {At(10, 0, 0, 0), 1005},
        {At(10, 0, 0, 5), 1000},     // a tick on time aims at the next second
        {At(10, 0, 0, 500), 505},
        {At(10, 0, 0, 999), 6},
        {At(23, 59, 59, 990), 15},   // across midnight
        {0.0, 1005},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(ClockFace::msUntilNextTick(row.now), row.delay) << row.delay;
}
