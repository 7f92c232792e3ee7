// Thumbnails: pictures decoded no larger than needed and stretched to the target.

#include "PictureFixtures.h"
#include "common/Picture.h"
#include "common/PictureCodecs.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

// Red on the left, blue on the right: a flipped, shifted or wrongly stretched picture shows at the halves' centres.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    for (int y = 0; y < height; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + width / 2, width - width / 2, qRgb(0, 0, 255));
    return image;
}

bool halvesKept(const QImage& image)
{
    const QRgb left = image.pixel(image.width() / 4, image.height() / 2);
    const QRgb right = image.pixel(image.width() * 3 / 4, image.height() / 2);
    return qRed(left) > 240 && qBlue(left) < 16 && qRed(right) < 16 && qBlue(right) > 240;
}

// The JPEG with its frame header claiming width × height; the scan data stays that of the small picture.
QByteArray withFrameSize(QByteArray jpeg, char marker, int width, int height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF", 1) + marker);
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return sof < 0 ? QByteArray() : jpeg.replace(sof + 5, 4, size, 4);
}

} // namespace

TEST(JpegScale, SmallestScaleWhoseOutputStillCoversTheTarget)
{
    const std::tuple<QSize, QSize, int> cases[] = {
        {{300, 300}, {120, 120}, 2}, {{953, 953}, {120, 120}, 8}, // libjpeg rounds 119.1 up
        {{952, 952}, {120, 120}, 4}, {{476, 476}, {120, 120}, 2}, {{2000, 300}, {120, 120}, 2},
        {{238, 238}, {120, 120}, 1}, {{100, 100}, {120, 120}, 1}, {{300, 300}, {0, 0}, 1},
    };
    for (const auto& [source, target, denominator] : cases)
        EXPECT_EQ(JpegScaleDenominator(source, target), denominator) << source.width() << " " << target.width();
}

TEST(PictureScaled, EveryDecoderStretchesToTheTargetAndOnlyWhatIsAllocatedCounts)
{
    QTemporaryDir dir;
    const auto file = [&dir](const char* name, const QByteArray& bytes) {
        WriteBytes(dir.filePath(QString::fromLatin1(name)), bytes);
        return dir.filePath(QString::fromLatin1(name));
    };
    const QImage square = halves(300, 300);
    ASSERT_TRUE(square.save(dir.filePath(QStringLiteral("square.png"))));
    GifFrame frame{0, 0, 64, 48, false, {}, std::vector<int>(64 * 48, 0), -1};
    for (int i = 0; i < 64 * 48; ++i)
        frame.pixels[size_t(i)] = i % 64 < 32 ? 0 : 1;
    const QString big = file("big.jpg", EncodeJpeg(halves(800, 800)));
    const std::pair<QString, QSize> loads[] = {
        {file("wide.JPEG", EncodeJpeg(halves(640, 200))), {120, 120}},
        {file("progressive.jpg", EncodeWithLibjpeg(square, JpegKind::Progressive)), {200, 50}},
        {file("small.jpg", EncodeJpeg(halves(48, 48))), {120, 120}},
        {dir.filePath(QStringLiteral("square.png")), {120, 120}},
        {file("frame.gif", BuildGif({64, 48, {{255, 0, 0}, {0, 0, 255}}, 0, {frame}})), {120, 120}},
        {big, {120, 120}}, // refused by LoadPicture below: the quarter decode fits, the whole picture does not
    };
    const int oldLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // megabytes
    for (const auto& [path, target] : loads) {
        const QImage image = LoadPictureScaled(path, target);
        EXPECT_EQ(image.size(), target) << path.toStdString();
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << path.toStdString();
        EXPECT_TRUE(halvesKept(image)) << path.toStdString();
    }
    EXPECT_THROW(LoadPicture(big), PictureError);
    QImageReader::setAllocationLimit(oldLimit);

    const QByteArray small = EncodeJpeg(halves(64, 64));
    const QString large = file("large.jpg", withFrameSize(small, '\xC0', 24000, 24000));
    const std::tuple<QString, QSize, const char*> refused[] = {
        {file("huge.jpg", withFrameSize(small, '\xC0', 60000, 60000)), {120, 120}, "too large (60000 × 60000 pixels)"},
        {large, {120, 120}, "damaged JPEG data"}, // decoded at 3000 × 3000 until the scan ends early
        {large, {24000, 24000}, "too large (24000 × 24000 pixels)"},
        // At 1/8 the output would fit, but libjpeg would hold every coefficient of the full picture.
        {file("progressive-huge.jpg",
              withFrameSize(EncodeWithLibjpeg(halves(64, 64), JpegKind::Progressive), '\xC2', 24000, 24000)),
         {120, 120},
         "too large (24000 × 24000 pixels)"},
        {big, {70000, 70000}, "too large"}, // the stretched result counts too
    };
    for (const auto& [path, target, reason] : refused) {
        try {
            LoadPictureScaled(path, target);
            ADD_FAILURE() << reason << ": loaded";
        } catch (const PictureError& e) {
            EXPECT_TRUE(e.message().contains(path) && e.message().contains(QString::fromUtf8(reason)))
                << e.message().toStdString();
        }
    }
}
