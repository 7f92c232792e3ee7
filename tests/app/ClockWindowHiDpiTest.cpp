// The clock window on a screen of two device pixels per logical pixel. The ratio is fixed when
// the application starts, so the test runs itself again in a process of its own with
// QT_SCALE_FACTOR=2.

#include "ClockWindowFixture.h"
#include "face/ClockFace.h"
#include "face/WindowShape.h"

#include <QProcess>

namespace horavine::test {
namespace {

using ClockWindowHiDpi = ClockWindowFixture;

TEST_F(ClockWindowHiDpi, FaceIsDrawnInDevicePixelsAtItsLogicalSize)
{
    if (qApp->devicePixelRatio() < 2.0) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ClockWindowHiDpi.FaceIsDrawnInDevicePixelsAtItsLogicalSize")});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << output.constData();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
        return;
    }

    start();
    ASSERT_EQ(window->devicePixelRatioF(), 2.0);
    // Logical sizes and the outline as on any screen.
    EXPECT_EQ(window->size(), QSize(400, 400));
    EXPECT_EQ(window->mask(), WindowOutline(400, true, false));
    EXPECT_EQ(window->face().surface().deviceSize(), QSize(800, 800));

    // What the window paints is the face drawn at twice the resolution, pixel for pixel (the
    // read-out, drawn at its point size, is left out: it is measured at the window's resolution).
    clock.advanceSeconds(1);
    window->Timer1Timer();
    window->face().surface().srsDigit().Active = false;
    const QPixmap shot = window->grab();
    EXPECT_EQ(shot.devicePixelRatio(), 2.0);
    EXPECT_EQ(shot.size(), QSize(800, 800));
    QImage painted = shot.toImage().convertToFormat(QImage::Format_RGB32);
    QImage face = window->face().surface().render();
    painted.setDevicePixelRatio(1.0);
    face.setDevicePixelRatio(1.0);
    EXPECT_TRUE(painted == face);
}

} // namespace
} // namespace horavine::test
