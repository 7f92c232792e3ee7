#include "controls/WindowFrame.h"

#include "../app/ShellTestApp.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

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
