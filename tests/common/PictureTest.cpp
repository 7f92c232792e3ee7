#include "common/Picture.h"

#include "PictureFixtures.h"
#include "common/IoError.h"
#include "common/SafeFile.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

class PictureTest : public ::testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }

    // The message LoadPicture throws, or "" when the picture loads.
    static QString loadError(const QString& path)
    {
        try {
            LoadPicture(path);
        } catch (const PictureError& e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir m_dir;
};

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// One 16 × 16 block per colour, side by side: a block that fills whole JPEG MCUs keeps only its DC terms, so its
// inner pixels survive compression within rounding (quality 90 quantises DC in steps of 3 out of 8 × 255).
QImage colourBlocks(const std::vector<QRgb>& colours, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(16 * int(colours.size()), 16, format);
    for (size_t i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                image.setPixel(16 * int(i) + x, y, colours[i]);
        }
    }
    return image;
}

// The largest channel difference between block i's inner 8 × 8 pixels and colour (edges are smoothed by the
// chroma upsampling, which reaches one chroma sample into the neighbour).
int blockError(const QImage& image, int block, QRgb colour)
{
    int worst = 0;
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x)
            worst = std::max(worst, channelDistance(image.pixel(16 * block + x, y), colour));
    }
    return worst;
}

const std::vector<QRgb> kBlockColours
    = {qRgb(255, 0, 0), qRgb(0, 255, 0),     qRgb(0, 0, 255),       qRgb(255, 255, 255),
       qRgb(0, 0, 0),   qRgb(128, 128, 128), qRgb(0x12, 0x34, 0x56)};

} // namespace

// --- JPEG ---------------------------------------------------------------------------------------------------------

TEST_F(PictureTest, JpegRoundTripKeepsSizeAndFlatColours)
{
    const QImage original = colourBlocks(kBlockColours);
    const QString path = m_dir.filePath(QStringLiteral("blocks.jpg"));
    SaveJpeg(original, path);
    const QImage loaded = LoadPicture(path);
    ASSERT_EQ(loaded.size(), original.size());
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    for (size_t i = 0; i < kBlockColours.size(); ++i)
        EXPECT_LE(blockError(loaded, int(i), kBlockColours[i]), 3) << "block " << i;
}

TEST_F(PictureTest, JpegOfOddSizeComesBackAtThatSize)
{
    QImage gradient(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x)
            gradient.setPixel(x, y, qRgb(x * 6, y * 10, 128));
    }
    const QImage loaded = LoadPicture(write(QStringLiteral("odd.jpg"), EncodeJpeg(gradient)));
    ASSERT_EQ(loaded.size(), QSize(37, 23));
    long long total = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x)
            total += channelDistance(loaded.pixel(x, y), gradient.pixel(x, y));
    }
    EXPECT_LT(double(total) / (37 * 23), 4.0); // a smooth ramp loses little at quality 90
}

TEST_F(PictureTest, JpegExtensionsAreRecognisedInAnyLetterCase)
{
    const QByteArray jpeg = EncodeJpeg(colourBlocks({qRgb(0, 0, 255)}));
    for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.Jpe", "e.JFIF", "f.jfif"}) {
        const QImage loaded = LoadPicture(write(QString::fromLatin1(name), jpeg));
        EXPECT_EQ(loaded.size(), QSize(16, 16)) << name;
        EXPECT_LE(blockError(loaded, 0, qRgb(0, 0, 255)), 3) << name;
    }
}

TEST_F(PictureTest, GreyscaleProgressiveAndAdobeCmykJpegsDecodeToRgb)
{
    const std::vector<QRgb> greys = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255)};
    // Stored Adobe CMYK values are 255 − ink, carried here in red, green, blue, alpha; red = (255 − C)(255 − K)/255.
    struct CmykRow
    {
        QRgb stored;
        QRgb expected;
    };
    const std::vector<CmykRow> cmyk = {
        {qRgba(255, 0, 0, 255), qRgb(255, 0, 0)}, // ink M + Y: red
        {qRgba(0, 0, 255, 255), qRgb(0, 0, 255)}, // ink C + M: blue
        {qRgba(255, 255, 255, 127), qRgb(127, 127, 127)}, // half black
        {qRgba(255, 255, 255, 255), qRgb(255, 255, 255)}, // no ink
    };
    std::vector<QRgb> stored, expected;
    for (const CmykRow& row : cmyk) {
        stored.push_back(row.stored);
        expected.push_back(row.expected);
    }

    struct Case
    {
        const char* name;
        QByteArray bytes;
        std::vector<QRgb> expected;
    };
    const Case cases[] = {
        {"grey.jpg", EncodeWithLibjpeg(colourBlocks(greys), JpegKind::Grayscale), greys},
        {"progressive.jpg", EncodeWithLibjpeg(colourBlocks(kBlockColours), JpegKind::Progressive), kBlockColours},
        {"cmyk.jpg", EncodeWithLibjpeg(colourBlocks(stored, QImage::Format_ARGB32), JpegKind::AdobeCmyk), expected},
    };
    for (const Case& c : cases) {
        const QImage loaded = LoadPicture(write(QString::fromLatin1(c.name), c.bytes));
        ASSERT_EQ(loaded.size(), QSize(16 * int(c.expected.size()), 16)) << c.name;
        EXPECT_EQ(loaded.format(), QImage::Format_RGB32) << c.name;
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_LE(blockError(loaded, int(i), c.expected[i]), 3) << c.name << " block " << i;
    }
}

TEST_F(PictureTest, DamagedJpegsAreRefusedWithTheReason)
{
    const QByteArray jpeg = EncodeJpeg(colourBlocks(kBlockColours));
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xEA); // height 60000
    huge[sof + 6] = char(0x60);
    huge[sof + 7] = char(0xEA); // width 60000
    huge[sof + 8] = char(0x60);
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray png;
    {
        const QString pngPath = m_dir.filePath(QStringLiteral("real.png"));
        ASSERT_TRUE(small.save(pngPath, "PNG"));
        png = ReadFileBytes(pngPath);
    }

    struct Case
    {
        const char* name;
        QByteArray bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"png-inside.jpg", png, "not a JPEG file"},
        {"text.jpg", QByteArray("hello, world"), "not a JPEG file"},
        {"half.jpg", jpeg.left(jpeg.size() / 2), "truncated"},
        {"no-end-marker.jpg", jpeg.left(jpeg.size() - 2), "truncated"},
        {"headers-only.jpg", jpeg.left(sof + 10), "truncated"},
        {"huge.jpg", huge, "too large (60000 × 60000 pixels)"},
    };
    for (const Case& c : cases) {
        const QString path = write(QString::fromLatin1(c.name), c.bytes);
        const QString error = loadError(path);
        EXPECT_TRUE(error.contains(path)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << c.name << ": " << error.toStdString();
    }
}

TEST_F(PictureTest, EncodeJpegWritesBaselineThreeComponentJfif)
{
    const QByteArray jpeg = EncodeJpeg(colourBlocks(kBlockColours));
    ASSERT_TRUE(jpeg.startsWith(QByteArray("\xFF\xD8\xFF", 3)));
    EXPECT_TRUE(jpeg.endsWith(QByteArray("\xFF\xD9", 2)));
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2)); // baseline frame
    ASSERT_GT(sof, 0);
    EXPECT_EQ(jpeg.indexOf(QByteArray("\xFF\xC2", 2)), -1); // no progressive frame
    EXPECT_EQ(int(uchar(jpeg[sof + 4])), 8); // bits per sample
    EXPECT_EQ(int(uchar(jpeg[sof + 9])), 3); // components
}

TEST_F(PictureTest, EncodeJpegFlattensTransparencyOntoWhite)
{
    // over white: channel · a/255 + 255 · (255 − a)/255
    const std::vector<QRgb> pixels = {qRgba(255, 0, 0, 0), qRgba(0, 0, 0, 128), qRgba(0, 0, 255, 255)};
    const std::vector<QRgb> expected = {qRgb(255, 255, 255), qRgb(127, 127, 127), qRgb(0, 0, 255)};
    const QImage loaded
        = LoadPicture(write(QStringLiteral("flat.jpg"), EncodeJpeg(colourBlocks(pixels, QImage::Format_ARGB32))));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_LE(blockError(loaded, int(i), expected[i]), 3) << "block " << i;
}

TEST_F(PictureTest, EncodingAnEmptyPictureIsAnError)
{
    EXPECT_THROW(EncodeJpeg(QImage()), PictureError);
    const QString path = m_dir.filePath(QStringLiteral("none.jpg"));
    try {
        SaveJpeg(QImage(), path);
        FAIL() << "no error";
    } catch (const PictureError& e) {
        EXPECT_TRUE(e.message().contains(path));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(PictureTest, SaveJpegReplacesTheFileAndLeavesNoTemporaryFile)
{
    const QString path = m_dir.filePath(QStringLiteral("preview.jpg"));
    SaveJpeg(colourBlocks({qRgb(255, 0, 0)}), path);
    SaveJpeg(colourBlocks({qRgb(0, 255, 0), qRgb(0, 255, 0)}), path);
    const QImage loaded = LoadPicture(path);
    EXPECT_EQ(loaded.size(), QSize(32, 16));
    EXPECT_LE(blockError(loaded, 1, qRgb(0, 255, 0)), 3);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("preview.jpg")});
    EXPECT_THROW(SaveJpeg(colourBlocks({qRgb(0, 0, 0)}), m_dir.filePath(QStringLiteral("missing/x.jpg"))), IoError);
}

// --- GIF ----------------------------------------------------------------------------------------------------------

namespace {

const GifColour kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255},
    kNavy{0, 0, 128};

QRgb rgb(const GifColour& c)
{
    return qRgb(c.r, c.g, c.b);
}

GifFrame frame(int left, int top, int width, int height, std::vector<int> pixels)
{
    GifFrame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.pixels = std::move(pixels);
    return f;
}

} // namespace

TEST_F(PictureTest, TwoColourGifDecodesPixelForPixel)
{
    GifPicture gif{4, 3, {kBlack, kWhite}, 0, {frame(0, 0, 4, 3, {0, 1, 1, 0, 1, 0, 0, 1, 1, 1, 0, 0})}};
    const QImage loaded = LoadPicture(write(QStringLiteral("two.gif"), BuildGif(gif)));
    ASSERT_EQ(loaded.size(), QSize(4, 3));
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    const char* expected[] = {"BWWB", "WBBW", "WWBB"};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(loaded.pixel(x, y), expected[y][x] == 'W' ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << x << "," << y;
    }
}

TEST_F(PictureTest, InterlacedGifRowsComeBackInPictureOrder)
{
    // Row y is painted in colour y; eleven rows touch all four interlace passes.
    std::vector<GifColour> colours;
    for (int i = 0; i < 16; ++i)
        colours.push_back({i * 16, 255 - i * 16, i * 5});
    std::vector<int> pixels;
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 3; ++x)
            pixels.push_back(y);
    }
    GifFrame f = frame(0, 0, 3, 11, pixels);
    f.interlaced = true;
    const QImage loaded = LoadPicture(write(QStringLiteral("interlaced.gif"), BuildGif({3, 11, colours, 0, {f}})));
    ASSERT_EQ(loaded.size(), QSize(3, 11));
    for (int y = 0; y < 11; ++y)
        EXPECT_EQ(loaded.pixel(1, y), rgb(colours[size_t(y)])) << "row " << y;
}

TEST_F(PictureTest, GifTransparentIndexBecomesTransparentWhite)
{
    GifFrame f = frame(0, 0, 3, 2, {0, 1, 2, 1, 3, 1});
    f.transparentIndex = 1;
    const QImage loaded
        = LoadPicture(write(QStringLiteral("clear.gif"), BuildGif({3, 2, {kRed, kGreen, kBlue, kBlack}, 0, {f}})));
    ASSERT_EQ(loaded.format(), QImage::Format_ARGB32);
    const QRgb clear = qRgba(255, 255, 255, 0);
    const QRgb expected[2][3] = {{rgb(kRed), clear, rgb(kBlue)}, {clear, rgb(kBlack), clear}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(loaded.pixel(x, y), expected[y][x]) << x << "," << y;
    }
}

TEST_F(PictureTest, GifTransparentIndexThatNoPixelUsesLeavesAnOpaquePicture)
{
    GifFrame f = frame(0, 0, 2, 1, {0, 1});
    f.transparentIndex = 3;
    const QImage loaded = LoadPicture(write(QStringLiteral("unused.gif"), BuildGif({2, 1, {kRed, kGreen}, 0, {f}})));
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.pixel(1, 0), rgb(kGreen));
}

TEST_F(PictureTest, GifFrameSitsOnTheBackgroundColourOrOnWhite)
{
    GifFrame withGlobal = frame(1, 1, 2, 2, {0, 0, 0, 0});
    GifFrame withLocalOnly = withGlobal;
    withLocalOnly.localColours = {kRed, kGreen};
    struct Case
    {
        const char* name;
        GifPicture gif;
        QRgb outside;
    };
    const Case cases[] = {
        {"background.gif", {5, 4, {kRed, kNavy}, 1, {withGlobal}}, rgb(kNavy)},
        {"no-global-table.gif", {5, 4, {}, 0, {withLocalOnly}}, qRgb(255, 255, 255)},
        {"background-beyond-table.gif", {5, 4, {kRed, kNavy}, 7, {withGlobal}}, qRgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        const QImage loaded = LoadPicture(write(QString::fromLatin1(c.name), BuildGif(c.gif)));
        ASSERT_EQ(loaded.size(), QSize(5, 4)) << c.name;
        EXPECT_EQ(loaded.pixel(0, 0), c.outside) << c.name;
        EXPECT_EQ(loaded.pixel(4, 3), c.outside) << c.name;
        EXPECT_EQ(loaded.pixel(1, 1), rgb(kRed)) << c.name;
        EXPECT_EQ(loaded.pixel(2, 2), rgb(kRed)) << c.name;
    }
}

TEST_F(PictureTest, OnlyTheFirstGifFrameIsShown)
{
    GifPicture gif{2, 2, {kRed, kGreen}, 0, {frame(0, 0, 2, 2, {0, 0, 0, 0}), frame(0, 0, 2, 2, {1, 1, 1, 1})}};
    const QImage loaded = LoadPicture(write(QStringLiteral("animated.gif"), BuildGif(gif)));
    EXPECT_EQ(loaded.pixel(1, 1), rgb(kRed));
}

TEST_F(PictureTest, DamagedGifsAreRefusedWithTheReason)
{
    GifFrame wide = frame(0, 0, 256, 1, std::vector<int>(256, 0));
    for (int x = 0; x < 256; ++x)
        wide.pixels[size_t(x)] = x;
    wide.localColours.assign(256, kGreen);
    const QByteArray beyondTable = WithoutFirstLocalTable(BuildGif({256, 1, {kRed, kGreen, kBlue, kBlack}, 0, {wide}}));
    GifFrame local = frame(0, 0, 2, 1, {0, 1});
    local.localColours = {kRed, kGreen};
    const QByteArray noTable = WithoutFirstLocalTable(BuildGif({2, 1, {}, 0, {local}}));
    const QByteArray good = BuildGif({4, 3, {kBlack, kWhite}, 0, {frame(0, 0, 4, 3, std::vector<int>(12, 1))}});

    struct Case
    {
        const char* name;
        QByteArray bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"outside.gif", BuildGif({4, 4, {kRed, kGreen}, 0, {frame(3, 0, 2, 2, {0, 1, 1, 0})}}),
         "the first frame (2 × 2 at 3, 0) lies outside the 4 × 4 picture"},
        {"below.gif", BuildGif({4, 4, {kRed, kGreen}, 0, {frame(0, 3, 1, 2, {0, 1})}}), "lies outside"},
        {"no-table.gif", noTable, "no colour table"},
        {"beyond-table.gif", beyondTable, "a pixel uses colour 4 of a 4-colour table"},
        {"no-frame.gif", BuildGif({4, 4, {kRed, kGreen}, 0, {}}), "holds no picture"},
        {"huge.gif", BuildGif({65535, 65535, {kRed, kGreen}, 0, {frame(0, 0, 1, 1, {1})}}), "too large"},
        {"zero-screen.gif", BuildGif({0, 0, {kRed, kGreen}, 0, {}}), "no pixels"},
        {"not.gif", QByteArray("PNG? no, a text file"), "not a GIF file"},
        {"half.gif", good.left(good.size() / 2), "truncated"},
        {"header-only.gif", good.left(13), "truncated"},
    };
    for (const Case& c : cases) {
        const QString path = write(QString::fromLatin1(c.name), c.bytes);
        const QString error = loadError(path);
        EXPECT_TRUE(error.contains(path)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << c.name << ": " << error.toStdString();
    }
}

// --- other formats through Qt ---------------------------------------------------------------------------------------

namespace {

QImage pattern(QImage::Format format, int width = 7)
{
    QImage image(width, 5, format);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = x * 40 % 256;
            image.setPixel(x, y, qRgba(v, y * 60, (x + y) * 20 % 256, format == QImage::Format_ARGB32 ? v : 255));
        }
    }
    return image;
}

} // namespace

TEST_F(PictureTest, BitmapsPngsAndIconsLoadThroughQt)
{
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0)});
    indexed.fill(0);
    indexed.setPixel(1, 1, 1);

    struct Case
    {
        const char* name;
        const char* writer;
        QImage picture;
        QImage::Format loadedFormat;
    };
    const Case cases[] = {
        {"rgb.bmp", "BMP", pattern(QImage::Format_RGB32), QImage::Format_RGB32},
        {"upper.BMP", "BMP", pattern(QImage::Format_RGB32), QImage::Format_RGB32},
        {"indexed.bmp", "BMP", indexed, QImage::Format_RGB32},
        {"rgb.png", "PNG", pattern(QImage::Format_RGB32), QImage::Format_RGB32},
        {"alpha.png", "PNG", pattern(QImage::Format_ARGB32), QImage::Format_ARGB32},
        // Qt writes icons through premultiplied alpha, lossy unless opaque, and leaves the padding of the mask
        // rows unset unless the width is a multiple of 32. An icon always has an alpha channel.
        {"icon.ico", "ICO", pattern(QImage::Format_RGB32, 32), QImage::Format_ARGB32},
    };
    for (const Case& c : cases) {
        if (!QImageReader::supportedImageFormats().contains(QByteArray(c.writer).toLower())) {
            ADD_FAILURE() << "Qt cannot read " << c.writer;
            continue;
        }
        const QString path = m_dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(c.picture.save(path, c.writer)) << c.name;
        const QImage loaded = LoadPicture(path);
        EXPECT_EQ(loaded.format(), c.loadedFormat) << c.name;
        EXPECT_EQ(loaded, c.picture.convertToFormat(c.loadedFormat)) << c.name;
    }
}

TEST_F(PictureTest, ContentThatDoesNotMatchTheExtensionIsRefused)
{
    const QByteArray jpeg = EncodeJpeg(colourBlocks({qRgb(1, 2, 3)}));
    const QByteArray gif = BuildGif({1, 1, {kRed, kGreen}, 0, {frame(0, 0, 1, 1, {1})}});
    const QString pngPath = m_dir.filePath(QStringLiteral("source.png"));
    ASSERT_TRUE(pattern(QImage::Format_RGB32).save(pngPath, "PNG"));
    const QByteArray png = ReadFileBytes(pngPath);

    struct Case
    {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"jpeg.bmp", jpeg}, {"jpeg.png", jpeg}, {"jpeg.gif", jpeg}, {"gif.jpg", gif},
        {"gif.png", gif},   {"png.bmp", png},   {"png.jpg", png},   {"png.gif", png},
    };
    for (const Case& c : cases)
        EXPECT_THROW(LoadPicture(write(QString::fromLatin1(c.name), c.bytes)), PictureError) << c.name;
}

TEST_F(PictureTest, MissingEmptyAndUnknownFilesAreRefusedWithTheReason)
{
    const QByteArray jpeg = EncodeJpeg(colourBlocks({qRgb(1, 2, 3)}));
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.bmp"));
    struct Case
    {
        const char* name;
        bool create;
        QByteArray bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"missing.jpg", false, {}, "the file does not exist"},
        {"folder.bmp", false, {}, "not a file"},
        {"empty.jpg", true, {}, "the file is empty"},
        {"empty.gif", true, {}, "the file is empty"},
        {"empty.bmp", true, {}, "the file is empty"},
        {"empty.png", true, {}, "the file is empty"},
        {"picture.wmf", true, jpeg, "unsupported picture format \".wmf\""},
        {"picture.TXT", true, jpeg, "unsupported picture format \".txt\""},
        {"no-extension", true, jpeg, "unsupported picture format (the file name has no extension)"},
        {"dot.", true, jpeg, "unsupported picture format (the file name has no extension)"},
    };
    for (const Case& c : cases) {
        const QString path = c.create ? write(QString::fromLatin1(c.name), c.bytes) : m_dir.filePath(c.name);
        const QString error = loadError(path);
        EXPECT_EQ(error, QStringLiteral("Cannot load picture \"%1\": %2").arg(path, QString::fromUtf8(c.reason)))
            << c.name;
    }
}
