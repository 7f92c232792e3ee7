// Damaged pictures of every kind: each one must either load completely or be refused with a PictureError. Any other
// exception fails the test; a crash or an out-of-bounds read shows under valgrind or ASan.

#include "PictureFixtures.h"
#include "common/Picture.h"
#include "common/SafeFile.h"

#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace horavine;
using namespace horavine::test;

namespace {

struct Sample
{
    const char* name;
    QByteArray bytes;
};

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    }
    return image;
}

class PictureDamageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_samples.push_back({"baseline.jpg", EncodeJpeg(gradient(29, 19))});
        m_samples.push_back({"progressive.jpg", EncodeWithLibjpeg(gradient(29, 19), JpegKind::Progressive, 80)});

        std::vector<GifColour> colours;
        for (int i = 0; i < 8; ++i)
            colours.push_back({i * 32, 255 - i * 32, i * 16});
        GifFrame plain{0, 0, 9, 6, false, {}, {}, 5};
        for (int i = 0; i < 9 * 6; ++i)
            plain.pixels.push_back((i * 7) % 8);
        GifFrame interlaced = plain;
        interlaced.interlaced = true;
        interlaced.left = 2;
        interlaced.top = 1;
        interlaced.transparentIndex = -1;
        m_samples.push_back({"plain.gif", BuildGif({9, 6, colours, 0, {plain}})});
        m_samples.push_back({"interlaced.gif", BuildGif({12, 8, colours, 3, {interlaced, plain}})});

        for (const char* format : {"bmp", "png", "ico"}) {
            const QString path = m_dir.filePath(QStringLiteral("sample.") + QString::fromLatin1(format));
            // Qt's icon writer leaves the padding of the transparency mask's rows unset; a width of 32 has none.
            const bool icon = std::strcmp(format, "ico") == 0;
            ASSERT_TRUE(gradient(icon ? 32 : 13, icon ? 4 : 9).save(path, format));
            m_samples.push_back({format, ReadFileBytes(path)});
        }
        // Qt's 8-bit bitmap writer leaves row padding unset as well; 16 pixels need none.
        const QImage indexed = gradient(16, 9).convertToFormat(QImage::Format_Indexed8);
        const QString path = m_dir.filePath(QStringLiteral("indexed.bmp"));
        ASSERT_TRUE(indexed.save(path, "BMP"));
        m_samples.push_back({"indexed.bmp", ReadFileBytes(path)});
    }

    static QString extensionOf(const Sample& sample)
    {
        const QString name = QString::fromLatin1(sample.name);
        return name.contains(u'.') ? name.section(u'.', -1) : name;
    }

    // Loads bytes saved as a file with the given extension: a null picture when refused with a PictureError.
    QImage load(const QString& extension, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("damaged.") + extension);
        WriteBytes(path, bytes);
        try {
            QImage image = LoadPicture(path);
            EXPECT_FALSE(image.isNull());
            EXPECT_TRUE(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32);
            return image;
        } catch (const PictureError& e) {
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
            return {};
        }
    }

    QTemporaryDir m_dir;
    std::vector<Sample> m_samples;
};

} // namespace

TEST_F(PictureDamageTest, EveryTruncationIsRefusedOrLoadsTheWholePicture)
{
    for (const Sample& sample : m_samples) {
        const QString ext = extensionOf(sample);
        const QImage whole = load(ext, sample.bytes);
        ASSERT_FALSE(whole.isNull()) << sample.name;
        for (qsizetype length = 0; length < sample.bytes.size(); ++length) {
            const QImage cut = load(ext, sample.bytes.left(length));
            if (cut.isNull())
                continue;
            // Only a cut that loses nothing the picture needs may load: a GIF's later frames or trailer, a PNG's end.
            EXPECT_EQ(cut, whole) << sample.name << " cut to " << length << " of " << sample.bytes.size() << " bytes";
        }
    }
}

TEST_F(PictureDamageTest, RandomBytesAreRefusedOrLoadCompletely)
{
    std::mt19937 random(20240521);
    const std::vector<QByteArray> magics
        = {QByteArray(),     QByteArray("\xFF\xD8\xFF", 3),      QByteArray("GIF89a"),
           QByteArray("BM"), QByteArray("\x89PNG\r\n\x1A\n", 8), QByteArray("\0\0\1\0", 4)};
    for (const char* ext : {"jpg", "gif", "bmp", "png", "ico"}) {
        for (int round = 0; round < 120; ++round) {
            QByteArray bytes = magics[size_t(round) % magics.size()];
            const int length = int(random() % 600);
            for (int i = 0; i < length; ++i)
                bytes.append(char(random()));
            load(QString::fromLatin1(ext), bytes);
        }
    }
}

TEST_F(PictureDamageTest, FlippedBytesAreRefusedOrLoadCompletely)
{
    std::mt19937 random(7);
    for (const Sample& sample : m_samples) {
        for (int round = 0; round < 150; ++round) {
            QByteArray bytes = sample.bytes;
            const int flips = 1 + int(random() % 4);
            for (int i = 0; i < flips; ++i)
                bytes[qsizetype(random() % quint32(bytes.size()))] = char(random());
            load(extensionOf(sample), bytes);
        }
    }
}

TEST_F(PictureDamageTest, EveryFormatInTheWrongFileIsRefused)
{
    for (const Sample& sample : m_samples) {
        const QString own = extensionOf(sample);
        const bool ownJpeg = own == u"jpg";
        for (const char* ext : {"jpg", "gif", "bmp", "png", "ico"}) {
            const QString other = QString::fromLatin1(ext);
            if (other == own || (ownJpeg && other == u"jpg"))
                continue;
            EXPECT_TRUE(load(other, sample.bytes).isNull()) << sample.name << " as ." << ext;
        }
    }
}

TEST_F(PictureDamageTest, ScaledLoadsOfTruncationsAreRefusedOrComplete)
{
    // 7 × 5 lets libjpeg decode the 29 × 19 samples at a quarter, through its reduced transforms.
    const QSize target(7, 5);
    for (const Sample& sample : m_samples) {
        const QString path = m_dir.filePath(QStringLiteral("scaled.") + extensionOf(sample));
        WriteBytes(path, sample.bytes);
        const QImage whole = LoadPictureScaled(path, target);
        ASSERT_EQ(whole.size(), target) << sample.name;
        for (qsizetype length = 0; length < sample.bytes.size(); ++length) {
            WriteBytes(path, sample.bytes.left(length));
            try {
                EXPECT_EQ(LoadPictureScaled(path, target), whole) << sample.name << " cut to " << length;
            } catch (const PictureError& e) {
                EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
            }
        }
    }
}
