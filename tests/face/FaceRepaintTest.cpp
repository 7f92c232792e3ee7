// What a tick repaints, and the face on a screen of more than one device pixel per logical pixel.

#include "ClockFaceFixture.h"

#include <QPainter>
#include <functional>

using namespace horavine;
using namespace horavine::test;

namespace {

using SkinChange = std::function<void(TClockSkin&)>;

// A face with its own host, as the clock window has one.
struct TickedFace
{
    TickedFace(int size, qreal ratio, const SkinChange& change)
        : face(state, AppDir(dir.path()), host)
    {
        EnsureGuiApplication();
        state.CurrentSkin.ClockSize = size;
        change(state.CurrentSkin);
        host.ratio = ratio;
        face.setFormatSettings(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    }

    void tickAt(TDateTime moment)
    {
        host.clock.set(moment);
        host.real.set(moment);
        face.Timer1Timer();
    }

    QTemporaryDir dir;
    SkinState state;
    RecordingHost host;
    ClockFace face;
};

// The pixels of two pictures, whatever device pixel ratio each carries.
::testing::AssertionResult SameDevicePixels(QImage actual, QImage expected)
{
    actual.setDevicePixelRatio(1.0);
    expected.setDevicePixelRatio(1.0);
    return SamePixels(actual, expected);
}

// clang-format off
const struct { const char* name; SkinChange change; } kSkins[] = {
    {"default (square, read-out in the middle)", [](TClockSkin&) {}},
    {"circular, read-out at the bottom",         [](TClockSkin& s) { s.NotCircular = 0; s.DigPosition = dpBottom; }},
    {"rounded, read-out at the top",             [](TClockSkin& s) { s.Rounded = 1; s.DigPosition = dpTop; }},
};
// clang-format on

} // namespace

TEST(FaceRepaint, TheAreasATickReportsAreAllThatChanges)
{
    // Each tick repaints what it reports onto what the window showed before; the result must be
    // the face painted whole. The marker passes under the read-out at the top and at the bottom,
    // the label grows a digit at ten o'clock, and minutes change both in turn and by a jump.
    // clang-format off
    const struct { TDateTime at; bool wholeFace; } ticks[] = {
        {At(9, 59, 0), true},     // the first tick builds
        {At(9, 59, 1), false},    {At(9, 59, 2), false},  {At(9, 59, 29), false}, {At(9, 59, 30), false},
        {At(9, 59, 31), false},   {At(9, 59, 58), false}, {At(9, 59, 59), false},
        {At(10, 0, 0), true},     // a new minute shows the next picture
        {At(10, 0, 1), false},    {At(10, 0, 1), false},  // the same second again moves nothing
        {At(14, 37, 5), true},    // the system clock set on
        {At(14, 37, 6), false},
    };
    // clang-format on
    for (const auto& skin : kSkins) {
        for (qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << skin.name << ", ratio " << ratio);
            TickedFace clock(200, ratio, skin.change);
            QImage window;
            for (const auto& tick : ticks) {
                clock.host.calls.clear();
                clock.host.areas.clear();
                clock.tickAt(tick.at);
                EXPECT_EQ(clock.host.calls.contains("faceChanged"), tick.wholeFace)
                    << clock.host.calls.join(' ').toStdString();
                QRegion changed;
                for (const std::vector<QRect>& areas : clock.host.areas)
                    for (const QRect& area : areas)
                        changed |= area;
                if (tick.wholeFace) {
                    changed = QRect(QPoint(0, 0), clock.face.surface().size());
                    window = QImage(clock.face.surface().deviceSize(), QImage::Format_RGB32);
                    window.setDevicePixelRatio(ratio);
                } else {
                    EXPECT_LT(changed.boundingRect().width() * changed.boundingRect().height(), 200 * 200 / 4);
                }
                QPainter painter(&window);
                painter.setClipRegion(changed);
                clock.face.paint(painter, changed);
                painter.end();
                EXPECT_TRUE(SameDevicePixels(window, clock.face.surface().render())) << "after " << tick.at;
            }
        }
    }
}

TEST(FaceRepaint, AtTwiceTheRatioTheFaceIsTheFaceOfTwiceTheSize)
{
    for (const auto& skin : kSkins) {
        SCOPED_TRACE(skin.name);
        TickedFace sharp(200, 2.0, skin.change); // 200 logical pixels on a screen of ratio 2
        TickedFace large(400, 1.0, skin.change);
        TickedFace small(200, 1.0, skin.change);
        for (TDateTime at : {At(10, 10, 0), At(10, 10, 7), At(10, 11, 0), At(3, 45, 52)}) {
            SCOPED_TRACE(at);
            for (TickedFace* clock : {&sharp, &large, &small})
                clock->tickAt(at);
            // The window keeps its logical size and outline; only the drawing is finer.
            EXPECT_EQ(sharp.host.shapes.back().size, 200);
            EXPECT_EQ(sharp.face.surface().deviceSize(), QSize(400, 400));
            EXPECT_EQ(sharp.face.surface().composite().devicePixelRatio(), 2.0);

            // The marker is the one of the larger face, at the same place on the screen.
            const QRect marker = sharp.face.surface().markerBounds();
            const QRect largeMarker = large.face.surface().markerBounds();
            EXPECT_TRUE(QRect(marker.topLeft() * 2, marker.size() * 2).contains(largeMarker));
            EXPECT_LE(marker.width() * 2, largeMarker.width() + 2);
            // The read-out keeps its size in points: as on the face of the same logical size.
            EXPECT_EQ(sharp.face.surface().readoutBounds(), small.face.surface().readoutBounds());

            // Without the read-out, the whole painted face is the larger face's.
            sharp.face.surface().srsDigit().Active = large.face.surface().srsDigit().Active = false;
            EXPECT_TRUE(SameDevicePixels(sharp.face.surface().render(), large.face.surface().render()));
            sharp.face.surface().srsDigit().Active = large.face.surface().srsDigit().Active = true;
        }
    }
}

TEST(FaceRepaint, ANewSecondRepaintsOnlyTheCharactersThatChanged)
{
    TickedFace clock(200, 1.0, kSkins[0].change);
    clock.tickAt(At(9, 58, 1));
    clock.tickAt(At(9, 58, 2));
    clock.host.areas.clear();
    clock.tickAt(At(9, 58, 3)); // "9:58:02 AM" to "9:58:03 AM": one digit, in the same box
    ASSERT_FALSE(clock.host.areas.empty());
    const QRect box = clock.face.surface().readoutAreas().box;
    const std::vector<QRect>& readout = clock.host.areas.back();
    ASSERT_EQ(readout.size(), 1U);
    EXPECT_TRUE(clock.face.surface().readoutBounds().contains(readout[0]));
    EXPECT_LT(readout[0].width() * 4, box.width());

    // A label that grows a digit moves every character and widens the box: all of it again.
    clock.tickAt(At(9, 59, 59));
    const QRect before = clock.face.surface().readoutBounds();
    clock.tickAt(At(10, 0, 0));
    clock.host.areas.clear();
    clock.tickAt(At(10, 0, 1));
    const QRect after = clock.face.surface().readoutBounds();
    EXPECT_NE(before.width(), after.width());
    QRegion reported;
    for (const QRect& area : clock.host.areas.back())
        reported |= area;
    EXPECT_TRUE(reported.contains(QRect(clock.face.surface().readoutAreas().box)));
}
