// horavine-cli render: the face as the clock shows it, written to a picture file.

#include "face/ClockSkin.h"
#include "face/FaceGeometry.h"
#include "face/FacePicture.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

int render(const QStringList& args, QString* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(HORAVINE_CLI_PATH), QStringList{"render"} + args);
    p.waitForFinished(60000);
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

class Render : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile f(path("d.clk"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DefaultSkin().toBytes());
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Render, PictureOnlyIsTheFacePictureOfThatMinute)
{
    ASSERT_EQ(render({path("d.clk"), "--at", "2026-12-09T15:15:40", "--size", "151", "--picture-only", "-o",
                      path("p.png")}),
              0);
    const QImage written(path("p.png"));
    QImage expected(151, 151, QImage::Format_RGB32);
    DrawFacePicture(expected, DefaultSkin(), HourAngle(15, 15), MinuteAngle(15));
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(Render, FullFaceHasTheSkinsSizeAndTheMarkerAtItsSecond)
{
    ASSERT_EQ(render({path("d.clk"), "--at", "2026-12-09T10:10:30", "-o", path("f.bmp")}), 0);
    const QImage face(path("f.bmp"));
    ASSERT_EQ(face.size(), QSize(400, 400));
    // At second 30 the marker (an empty red circle, 10 pixels across the 20-pixel band) stands at
    // 6 o'clock on the middle of the tics band, 110 pixels below the centre; at 12 o'clock there is none.
    auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; };
    int redBelow = 0, redAbove = 0;
    for (int y = 290; y <= 330; ++y) {
        for (int x = 185; x <= 215; ++x) {
            redBelow += reddish(face.pixel(x, y));
            redAbove += reddish(face.pixel(x, 400 - y));
        }
    }
    EXPECT_GT(redBelow, 10);
    EXPECT_EQ(redAbove, 0);
}

TEST_F(Render, ReadoutFollowsTheFormatAndJpegIsWritten)
{
    ASSERT_EQ(render({path("d.clk"), "--at", "2026-12-09T14:05:09", "-o", path("a.png")}), 0);
    ASSERT_EQ(render({path("d.clk"), "--at", "2026-12-09T14:05:09", "--format", "24", "-o", path("b.png")}), 0);
    ASSERT_EQ(render({path("d.clk"), "--at", "2026-12-09T14:05:09", "--size", "200", "-o", path("c.jpg")}), 0);
    EXPECT_NE(QImage(path("a.png")), QImage(path("b.png"))); // "2:05:09 PM" against "14:05:09"
    EXPECT_EQ(QImage(path("c.jpg")).size(), QSize(200, 200));
}

TEST_F(Render, WrongCallsAndMissingFilesAreReported)
{
    QString err;
    EXPECT_EQ(render({path("d.clk"), "--at", "2026-12-09T14:05:09"}, &err), 2);
    EXPECT_TRUE(err.contains("-o"));
    EXPECT_EQ(render({path("d.clk"), "--at", "2026-12-09T14:05:09", "-o", path("x.gif")}, &err), 2);
    EXPECT_EQ(render({path("none.clk"), "--at", "2026-12-09T14:05:09", "-o", path("x.png")}, &err), 1);
    EXPECT_TRUE(err.contains("none.clk"));
    EXPECT_FALSE(QFile::exists(path("x.png")));
}

TEST_F(Render, GalleryPreviewIsTheWindowsFaceInsideItsOutlineOverTheGalleryBlue)
{
    // A circular skin: inside the circle the preview is the face rendered at 300 pixels, outside
    // it the gallery's background.
    TClockSkin round = DefaultSkin();
    round.NotCircular = 0;
    QFile f(path("r.clk"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(round.toBytes());
    f.close();
    ASSERT_EQ(render({path("r.clk"), "--at", "2026-12-09T10:10:30", "--gallery", "-o", path("g.png")}), 0);
    ASSERT_EQ(render({path("r.clk"), "--at", "2026-12-09T10:10:30", "--size", "300", "-o", path("w.png")}), 0);
    const QImage preview = QImage(path("g.png")).convertToFormat(QImage::Format_RGB32);
    const QImage window = QImage(path("w.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(preview.size(), QSize(300, 300));
    for (const QPoint p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 299), QPoint(299, 299), QPoint(20, 20)})
        EXPECT_EQ(preview.pixel(p), qRgb(0x33, 0x66, 0x99)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(150, 150), QPoint(150, 260), QPoint(60, 150), QPoint(150, 5)})
        EXPECT_EQ(preview.pixel(p), window.pixel(p)) << p.x() << "," << p.y();
}
