// Thumbnails: pictures decoded no larger than needed and stretched to the target.

#include "PictureFixtures.h"
#include "common/Picture.h"
#include "common/PictureCodecs.h"
#include "common/SafeFile.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

// Four flat quadrants (red, green, blue, white): after any scaling their centres keep their colours.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[(y * 2 / height) * 2 + x * 2 / width]);
    }
    return image;
}

bool quadrantsKept(const QImage& image)
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int q = 0; q < 4; ++q) {
        const QRgb p = image.pixel(image.width() / 4 + (q % 2) * image.width() / 2,
                                   image.height() / 4 + (q / 2) * image.height() / 2);
        if (std::abs(qRed(p) - qRed(colours[q])) > 8 || std::abs(qGreen(p) - qGreen(colours[q])) > 8
            || std::abs(qBlue(p) - qBlue(colours[q])) > 8)
            return false;
    }
    return true;
}

// A copy of a JPEG whose frame header claims width × height; the scan data stays that of the small picture.
QByteArray withFrameSize(QByteArray jpeg, char marker, int width, int height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF", 1) + marker);
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

class PictureScaledTest : public ::testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }
    QString save(const QString& name, const QImage& image, const char* format)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST(JpegScale, SmallestScaleWhoseOutputStillCoversTheTarget)
{
    struct Case
    {
        QSize source, target;
        int denominator;
    };
    const Case cases[] = {
        {{300, 300}, {120, 120}, 2}, // 150 covers, 75 does not
        {{960, 960}, {120, 120}, 8},  {{953, 953}, {120, 120}, 8}, // libjpeg rounds 119.1 up
        {{952, 952}, {120, 120}, 4},  {{480, 480}, {120, 120}, 4}, {{476, 476}, {120, 120}, 2},
        {{2000, 300}, {120, 120}, 2}, // the short side decides
        {{239, 239}, {120, 120}, 2},  {{238, 238}, {120, 120}, 1}, {{100, 100}, {120, 120}, 1}, // enlarged by Qt
        {{300, 300}, {0, 0}, 1},      {{300, 300}, {-1, -1}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JpegScaleDenominator(c.source, c.target), c.denominator)
            << c.source.width() << "x" << c.source.height() << " for " << c.target.width();
    }
}

TEST_F(PictureScaledTest, EveryFormatComesBackStretchedToTheTarget)
{
    const QImage square = quadrants(300, 300);
    std::vector<GifColour> colours = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    GifFrame frame{0, 0, 64, 48, false, {}, {}, -1};
    for (int i = 0; i < 64 * 48; ++i)
        frame.pixels.push_back(((i / 64) * 2 / 48) * 2 + (i % 64) * 2 / 64);

    struct Case
    {
        QString path;
        QSize target;
    };
    const Case cases[] = {
        {write(QStringLiteral("square.jpg"), EncodeJpeg(square)), {120, 120}},
        {write(QStringLiteral("wide.JPEG"), EncodeJpeg(quadrants(640, 200))), {120, 120}},
        {write(QStringLiteral("progressive.jpg"), EncodeWithLibjpeg(square, JpegKind::Progressive)), {120, 120}},
        {write(QStringLiteral("small.jpg"), EncodeJpeg(quadrants(48, 48))), {120, 120}},
        {write(QStringLiteral("flat.jpg"), EncodeJpeg(square)), {200, 50}},
        {save(QStringLiteral("square.png"), square, "PNG"), {120, 120}},
        {save(QStringLiteral("square.bmp"), square, "BMP"), {120, 120}},
        {write(QStringLiteral("frame.gif"), BuildGif({64, 48, colours, 0, {frame}})), {120, 120}},
    };
    for (const Case& c : cases) {
        const QImage image = LoadPictureScaled(c.path, c.target);
        EXPECT_EQ(image.size(), c.target) << c.path.toStdString();
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << c.path.toStdString();
        EXPECT_TRUE(quadrantsKept(image)) << c.path.toStdString();
    }
}

TEST_F(PictureScaledTest, TheLimitAppliesToWhatTheDecodeAllocates)
{
    const QString big = write(QStringLiteral("big.jpg"), EncodeJpeg(quadrants(800, 800)));
    const QByteArray small = EncodeJpeg(quadrants(64, 64));
    const QString huge = write(QStringLiteral("huge.jpg"), withFrameSize(small, '\xC0', 60000, 60000));
    const QString large = write(QStringLiteral("large.jpg"), withFrameSize(small, '\xC0', 24000, 24000));
    const QString progressive
        = write(QStringLiteral("progressive.jpg"),
                withFrameSize(EncodeWithLibjpeg(quadrants(64, 64), JpegKind::Progressive), '\xC2', 24000, 24000));
    const int oldLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // megabytes: 800 × 800 pixels need 2.5, a 1/4 decode 0.16
    EXPECT_THROW(LoadPicture(big), PictureError);
    EXPECT_TRUE(quadrantsKept(LoadPictureScaled(big, {120, 120})));
    QImageReader::setAllocationLimit(oldLimit);

    struct Case
    {
        QString path;
        QSize target;
        const char* reason;
    };
    const Case cases[] = {
        {huge, {120, 120}, "too large (60000 × 60000 pixels)"}, // even 1/8 is 7500 × 7500
        {large, {120, 120}, "damaged JPEG data"}, // decoded at 3000 × 3000 until the scan ends early
        {large, {24000, 24000}, "too large (24000 × 24000 pixels)"},
        // At 1/8 the output would fit, but libjpeg would hold every coefficient of the full picture.
        {progressive, {120, 120}, "too large (24000 × 24000 pixels)"},
        {big, {70000, 70000}, "too large"}, // the stretched result counts too
    };
    for (const Case& c : cases) {
        try {
            LoadPictureScaled(c.path, c.target);
            ADD_FAILURE() << c.reason << ": loaded";
        } catch (const PictureError& e) {
            EXPECT_TRUE(e.message().contains(c.path)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.message().toStdString();
        }
    }
}
