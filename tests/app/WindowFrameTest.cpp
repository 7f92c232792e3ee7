#include "app/WindowFrame.h"

#include "ShellTestApp.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

TEST(WindowFrame, CentredByTheOuterSize)
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
        {"an area not at the origin", {100, 30, 800, 600}, {200, 100}, {400, 280}},
        {"larger than the area: the overflow is shared", {0, 0, 800, 600}, {1000, 700}, {-100, -50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CentredFramePosition(c.area, c.outside), c.placed);
    }
}

TEST(WindowFrame, PlacementRunsAgainOnceWhenTheFrameBecomesKnown)
{
    EnsureApplication();
    QWidget window;
    window.resize(200, 100);
    int first = 0;
    int second = 0;
    int framed = 0;
    PlaceByFrame(&window, [&] { ++first; });
    EXPECT_EQ(first, 1);
    EXPECT_FALSE(FrameKnown(&window));
    PlaceByFrame(&window, [&] { ++second; }); // replaces the pending one
    window.show(); // the offscreen platform frames a decorated window as a window manager would
    ASSERT_TRUE(FrameKnown(&window));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    window.move(10, 10);
    EXPECT_EQ(second, 2);
    PlaceByFrame(&window, [&] { ++framed; }); // framed already: once, nothing left pending
    window.move(20, 20);
    EXPECT_EQ(framed, 1);
    EXPECT_TRUE(window.findChildren<QObject*>(QStringLiteral("horavinePendingPlacement")).isEmpty());
}

} // namespace
} // namespace horavine::test
