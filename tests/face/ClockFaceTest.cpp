#include "ClockFaceFixture.h"
#include "common/Picture.h"

#include <QFile>

using namespace horavine;
using namespace horavine::test;

namespace {

enum class Step { Tick, Rebuild, Request };

} // namespace

TEST_F(ClockFaceTest, FaceStateFollowsTicksAndRebuildRequests)
{
    // clang-format off
    const struct { const char* what; Step step; TDateTime at; int faceState; int builds; } rows[] = {
        {"RebuildFace before the first tick",    Step::Rebuild, 0,                 -1, 0},
        {"RequestRebuild before the first tick", Step::Request, 0,                 -1, 0},
        {"first tick builds",                    Step::Tick,    At(10, 15, 30),    15, 1},
        {"ordinary tick, same minute",           Step::Tick,    At(10, 15, 31),    15, 1},
        {"RequestRebuild waits",                 Step::Request, 0,                 -2, 1},
        {"the next tick rebuilds",               Step::Tick,    At(10, 15, 32),    15, 2},
        {"RebuildFace rebuilds at once",         Step::Rebuild, 0,                 15, 3},
        {"a new minute",                         Step::Tick,    At(10, 16, 0),     16, 3},
        {"RebuildFace twice rebuilds twice",     Step::Rebuild, 0,                 16, 4},
        {"",                                     Step::Rebuild, 0,                 16, 5},
        {"a rebuild takes ClockTime's minute",   Step::Request, 0,                 -2, 5},
        {"",                                     Step::Tick,    At(10, 59, 59),    59, 6},
        {"minute 59 to minute 0",                Step::Tick,    At(11, 0, 0),       0, 6},
    };
    // clang-format on
    for (const auto& row : rows) {
        switch (row.step) {
        case Step::Tick:
            tickAt(row.at);
            break;
        case Step::Rebuild:
            face().RebuildFace();
            break;
        case Step::Request:
            face().RequestRebuild();
            break;
        }
        EXPECT_EQ(face().faceState(), row.faceState) << row.what;
        EXPECT_EQ(int(m_host.shapes.size()), row.builds) << row.what;
    }
}

TEST_F(ClockFaceTest, RebuildFaceMarksTheRequestThenRebuilds)
{
    tickAt(At(8, 20, 0));
    std::vector<int> statesDuringBuild;
    m_host.onShapeForm = [&] {
        statesDuringBuild.push_back(face().faceState());
    };
    face().RebuildFace();
    EXPECT_EQ(statesDuringBuild, std::vector<int>{-2});
    EXPECT_EQ(face().faceState(), 20);
}

TEST_F(ClockFaceTest, FirstTickShowsThePlaceholderAndBuildsInOrder)
{
    EXPECT_FALSE(face().surface().isVisible());
    tickAt(At(14, 5, 9));

    const QStringList expected
        = {"placeAboveTimerToolbar", "showWindowAndSurface", "applyStayOnTop", "hideTaskbarEntry", "shapeForm",
           "endFirstActivation",     "faceChanged"};
    EXPECT_EQ(m_host.calls, expected);
    EXPECT_TRUE(face().surface().isVisible());
    // For one second: the made-up label and the marker at the centre, sized to the tics band.
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "12:34:56 AM");
    EXPECT_TRUE(face().surface().srsDigit().HasPoint);
    const SecondMarker& marker = face().surface().srsSec();
    EXPECT_TRUE(marker.HasPoint);
    EXPECT_EQ(marker.X, 0.0);
    EXPECT_EQ(marker.Y, 0.0);
    EXPECT_EQ(marker.Radius, 5.0); // (OuterEdge 60 - InnerEdge 50) / 2
    EXPECT_TRUE(m_host.alarms.empty());

    tickAt(At(14, 5, 10));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "14:05:10");
    EXPECT_NE(face().surface().srsSec().Y, 0.0);
}

TEST_F(ClockFaceTest, HiddenClockRebuildsWithoutTouchingStayOnTopOrTaskbar)
{
    m_host.shown = false;
    tickAt(At(9, 0, 0));
    face().RebuildFace();
    EXPECT_FALSE(m_host.calls.contains("applyStayOnTop"));
    EXPECT_FALSE(m_host.calls.contains("hideTaskbarEntry"));
    EXPECT_EQ(m_host.calls.count("shapeForm"), 2);
}

TEST_F(ClockFaceTest, ShapeFormGetsSizeShapeAndAlpha)
{
    // clang-format off
    const struct { int clockSize; int notCircular; int rounded; int transparency; int windowSide; int surfaceSide; int alpha; } rows[] = {
        {400, 1, 0, 0, 400, 400, 255},
        {250, 0, 1, 30, 250, 250, 178},
        {300, 1, 1, 90, 300, 300, 128},
        {30, 0, 0, 10, 30, 50, 230},       // the window keeps a small size, the surface 50 x 50
        {-20, 0, 0, 0, 0, 50, 255},        // only a damaged skin: nothing below 0
    };
    // clang-format on
    for (const auto& row : rows) {
        skin().ClockSize = row.clockSize;
        skin().NotCircular = std::uint8_t(row.notCircular);
        skin().Rounded = std::uint8_t(row.rounded);
        skin().Transparency = std::uint8_t(row.transparency);
        if (face().faceState() == ClockFace::kNotBuilt)
            tickAt(At(12, 0, 0));
        else
            face().RebuildFace();
        const RecordingHost::Shape& shape = m_host.shapes.back();
        EXPECT_EQ(shape.size, row.windowSide) << row.clockSize;
        EXPECT_EQ(shape.notCircular, row.notCircular) << row.clockSize;
        EXPECT_EQ(shape.rounded, row.rounded) << row.clockSize;
        EXPECT_EQ(shape.alpha, row.alpha) << row.clockSize;
        EXPECT_EQ(face().surface().size(), QSize(row.surfaceSide, row.surfaceSide)) << row.clockSize;
        EXPECT_EQ(face().FacePicture().size(), face().surface().size()) << row.clockSize;
    }
}

TEST_F(ClockFaceTest, NewMinuteShowsTheNextMinutesPicture)
{
    tickAt(At(10, 59, 58));
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 10, 59)));
    tickAt(At(10, 59, 59));
    tickAt(At(11, 0, 0));
    // The minute after 10:59 is drawn as minute 60 of hour 10: the minute seam at 12 o'clock and
    // the hour seam at 11 (a band position may differ by one from a picture drawn for 11:00, since
    // the colour cycle is 6283 and a full turn 6283.19).
    EXPECT_EQ(face().faceState(), 0);
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 10, 60)));
    EXPECT_TRUE(SamePixels(face().FacePicture(), PictureFor(skin(), 10, 60)));
    // Drawn over in place: the clock holds one face picture, shared with the surface.
    EXPECT_EQ(face().FacePicture().cacheKey(), face().surface().BackImage().cacheKey());
    tickAt(At(11, 1, 0));
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 11, 1)));
}

TEST_F(ClockFaceTest, JumpOfClockTimeRedrawsTheShownPicture)
{
    // clang-format off
    const struct { const char* what; TDateTime before; TDateTime after; int hour; int minute; } rows[] = {
        {"timer starts from zero",       At(14, 0, 30), At(0, 0, 0),   0, 0},
        {"clock set five minutes on",    At(14, 0, 30), At(14, 5, 0),  14, 5},
        {"clock set two minutes back",   At(14, 5, 30), At(14, 3, 0),  14, 3},
        {"clock set an hour on",         At(14, 5, 30), At(15, 5, 40), 15, 5},
        {"timer reset at 0:03",          At(0, 3, 10),  At(0, 0, 0),   0, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        face().RequestRebuild();
        tickAt(row.before);
        tickAt(row.before + 1.0 / 86400.0);
        tickAt(row.after);
        EXPECT_EQ(face().faceState(), row.minute) << row.what;
        EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), row.hour, row.minute))) << row.what;
        // The minute after the jump follows on from it.
        tickAt(row.after + 60.0 / 86400.0);
        EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), row.hour, row.minute + 1))) << row.what;
    }
}

TEST_F(ClockFaceTest, TicksInsideTheAlarmHookAreNotUndone)
{
    tickAt(At(7, 30, 3));
    // The alarm's window stays up for three minutes; the timer goes on ticking inside it.
    m_host.onAlarm = [&] {
        m_host.onAlarm = nullptr;
        tickAt(At(7, 33, 1));
    };
    tickAt(At(7, 30, 4));
    EXPECT_EQ(face().faceState(), 33);
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 7, 33)));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "7:33:01");
}

TEST_F(ClockFaceTest, NestedTickDuringARebuildDoesNothing)
{
    skin().TextureName.setText("nowhere.bmp");
    int nestedCalls = -1;
    m_host.onTextureNotFound = [&] {
        m_host.onTextureNotFound = nullptr;
        const qsizetype before = m_host.calls.size();
        EXPECT_TRUE(face().isRebuilding());
        m_host.clock.advanceSeconds(1);
        face().Timer1Timer();
        nestedCalls = int(m_host.calls.size() - before);
    };
    tickAt(At(9, 41, 0));
    EXPECT_EQ(nestedCalls, 0);
    EXPECT_EQ(m_host.calls.count("shapeForm"), 1);
    EXPECT_EQ(face().faceState(), 41);
    EXPECT_FALSE(face().isRebuilding());
}

TEST_F(ClockFaceTest, RebuildAskedForDuringARebuildRunsAtTheNextTick)
{
    skin().TextureName.setText("nowhere.bmp");
    tickAt(At(9, 41, 0));
    m_host.onTextureNotFound = [&] {
        m_host.onTextureNotFound = nullptr;
        face().RebuildFace(); // the designer changed the skin while the message was up
    };
    face().RebuildFace();
    EXPECT_EQ(m_host.calls.count("shapeForm"), 2);
    EXPECT_EQ(face().faceState(), -2);
    tickAt(At(9, 41, 1));
    EXPECT_EQ(m_host.calls.count("shapeForm"), 3);
    EXPECT_EQ(face().faceState(), 41);
}

TEST_F(ClockFaceTest, ErrorInARebuildLeavesTheStateNegativeUntilATickSucceeds)
{
    QFile damaged(m_dir.filePath("damaged.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM this is no bitmap");
    damaged.close();

    skin().TextureName.setText(damaged.fileName());
    EXPECT_THROW(tickAt(At(6, 10, 0)), PictureError);
    EXPECT_EQ(face().faceState(), -1);
    EXPECT_FALSE(face().isRebuilding());
    EXPECT_THROW(tickAt(At(6, 10, 1)), PictureError); // the next tick tries again

    skin().TextureName.setText("3");
    tickAt(At(6, 10, 2));
    EXPECT_EQ(face().faceState(), 10);

    skin().TextureName.setText(damaged.fileName());
    EXPECT_THROW(face().RebuildFace(), PictureError);
    EXPECT_EQ(face().faceState(), -2);
    skin().TextureName.setText("3");
    tickAt(At(6, 11, 0));
    EXPECT_EQ(face().faceState(), 11);
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 6, 11)));
}

TEST_F(ClockFaceTest, ErrorInTheAlarmHookSkipsReadoutAndMinuteChangeOfThatTick)
{
    tickAt(At(10, 15, 58));
    tickAt(At(10, 15, 59));
    m_host.onAlarm = [&] {
        m_host.onAlarm = nullptr;
        throw IoError("Unable to write to Alarm/Alarms.cfg");
    };
    EXPECT_THROW(tickAt(At(10, 16, 0)), IoError);
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "10:15:59");
    EXPECT_EQ(face().faceState(), 15);

    tickAt(At(10, 16, 1));
    EXPECT_EQ(face().surface().srsDigit().Label.toStdString(), "10:16:01");
    EXPECT_EQ(face().faceState(), 16);
    EXPECT_TRUE(SamePixels(face().surface().BackImage(), PictureFor(skin(), 10, 16)));
}
