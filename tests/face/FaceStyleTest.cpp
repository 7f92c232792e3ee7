#include "face/FaceStyle.h"

#include "common/Picture.h"
#include "face/TexturePatterns.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

struct RecordingMessages : FaceMessages
{
    QStringList shown;
    void textureNotFound(const QString& text) override { shown << text; }
};

TClockSkin SkinWith(const std::function<void(TClockSkin&)>& change)
{
    TClockSkin skin = DefaultSkin();
    change(skin);
    return skin;
}

class ApplyTextureTest : public ::testing::Test
{
protected:
    // Saves a small picture of one colour as a bitmap and returns its path.
    static QString putBitmap(const QString& path, QRgb color)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage picture(5, 3, QImage::Format_RGB32);
        picture.fill(color);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    void apply(const QString& textureName, TColor color = 0x00123456, int transparency = 40)
    {
        m_state.CurrentSkin.TextureName.setText(textureName);
        m_state.CurrentSkin.TextureColor = color;
        m_state.CurrentSkin.TextureTransparency = transparency;
        m_state.CurrentTexturePath.clear(); // as the rebuild does before it applies the texture
        ApplyTexture(m_state, m_appDir, m_surface, &m_messages);
    }

    const FaceOverlay& overlay() const { return m_surface.ColorBand(); }

    QTemporaryDir m_tmp;
    AppDir m_appDir{m_tmp.path()};
    SkinState m_state;
    FaceSurface m_surface;
    RecordingMessages m_messages;
};

} // namespace

TEST_F(ApplyTextureTest, PatternNumbersSetStyleOrPatternPicture)
{
    // clang-format off
    const struct
    {
        const char* name;
        int pattern; // CurrentPattern afterwards
        int style; // Brush.Style afterwards; pictures leave the previous one (bsHorizontal)
        int picture; // LoadPattern index on the brush, -1 for none
        bool colourSet; // "None" keeps the brush colour it had
    } rows[] = {
        {"0", 0, bsSolid, -1, true},
        {"1", 1, bsClear, -1, false},
        {"7", 7, bsDiagCross, -1, true},
        {"8", 8, bsHorizontal, 0, true},
        {"12", 12, bsHorizontal, 4, true},
        {"  12", 12, bsHorizontal, 4, true},
        {"+12", 12, bsHorizontal, 4, true},
        {"$C", 12, bsHorizontal, 4, true},
        {"19", 19, bsHorizontal, 11, true},
        // Damaged skins: no overlay, like "None".
        {"20", 1, bsClear, -1, false},
        {"-1", 1, bsClear, -1, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_surface.ColorBand().Brush.Style = bsHorizontal;
        m_surface.ColorBand().Brush.Color = 0x00ABCDEF;
        m_surface.ColorBand().setPictureImage(QImage(4, 4, QImage::Format_RGB32));
        m_state.CurrentTexturePath = QStringLiteral("/old/wood.bmp");

        apply(QString::fromLatin1(row.name));

        EXPECT_EQ(m_state.CurrentPattern, row.pattern);
        EXPECT_EQ(m_state.CurrentTexturePath, QString());
        EXPECT_EQ(overlay().Brush.Style, row.style);
        if (row.picture < 0) {
            EXPECT_TRUE(overlay().Brush.Image.isNull());
        } else {
            EXPECT_TRUE(overlay().Brush.ImageIsPattern);
            EXPECT_EQ(overlay().Brush.Image, LoadPattern(row.picture));
        }
        EXPECT_EQ(overlay().Brush.Color, row.colourSet ? TColor(0x00123456) : TColor(0x00ABCDEF));
        EXPECT_EQ(overlay().Transparency, 40);
        EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), QString::fromLatin1(row.name));
        EXPECT_TRUE(m_messages.shown.isEmpty());
    }
}

TEST_F(ApplyTextureTest, TransparencyIsHeldWithinZeroToHundred)
{
    const struct
    {
        int stored, applied;
    } rows[] = {{0, 0}, {80, 80}, {100, 100}, {101, 100}, {-5, 0}, {1 << 30, 100}};
    for (const auto& row : rows) {
        apply(QStringLiteral("6"), 0, row.stored);
        EXPECT_EQ(overlay().Transparency, row.applied) << row.stored;
    }
}

TEST_F(ApplyTextureTest, BitmapInTheTexturesFolderIsLoaded)
{
    const QString path = putBitmap(m_appDir.texturesFolder() + QStringLiteral("wood.bmp"), qRgb(90, 60, 30));
    m_surface.ColorBand().Brush.Style = bsCross;

    apply(path, 0x00010203, 64);

    EXPECT_EQ(m_state.CurrentPattern, 0);
    EXPECT_EQ(m_state.CurrentTexturePath, path);
    EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), path);
    EXPECT_FALSE(overlay().Brush.ImageIsPattern);
    EXPECT_EQ(overlay().Brush.Image.size(), QSize(5, 3));
    EXPECT_EQ(overlay().Brush.Image.pixel(4, 2), qRgb(90, 60, 30));
    EXPECT_EQ(overlay().Brush.Style, bsCross);
    EXPECT_EQ(overlay().Brush.Color, TColor(0x00010203));
    EXPECT_EQ(overlay().Transparency, 64);
    EXPECT_TRUE(m_messages.shown.isEmpty());
}

TEST_F(ApplyTextureTest, BitmapOutsideTheApplicationFolderIsUsedWhereItIs)
{
    QTemporaryDir elsewhere;
    const QString path = putBitmap(elsewhere.filePath(QStringLiteral("pics/stone.bmp")), qRgb(7, 7, 7));
    // A bitmap of the same name in our own folder must not be preferred.
    putBitmap(m_appDir.texturesFolder() + QStringLiteral("stone.bmp"), qRgb(200, 0, 0));

    apply(path);

    EXPECT_EQ(m_state.CurrentTexturePath, path);
    EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), path);
    EXPECT_EQ(overlay().Brush.Image.pixel(0, 0), qRgb(7, 7, 7));
}

TEST_F(ApplyTextureTest, BitmapThatMovedIsFoundInTheTexturesFolderByName)
{
    const QString found = putBitmap(m_appDir.texturesFolder() + QStringLiteral("wood.bmp"), qRgb(90, 60, 30));
    for (const QString& stored : {QStringLiteral("D:\\pics\\wood.bmp"), QStringLiteral("/gone/away/wood.bmp")}) {
        SCOPED_TRACE(stored.toStdString());
        apply(stored);
        EXPECT_EQ(m_state.CurrentTexturePath, found);
        EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), found); // written back
        EXPECT_EQ(overlay().Brush.Image.pixel(0, 0), qRgb(90, 60, 30));
        EXPECT_TRUE(m_messages.shown.isEmpty());
    }
}

TEST_F(ApplyTextureTest, MissingBitmapIsReportedOnceAndTheOverlayKeepsItsPicture)
{
    const QString missing[] = {
        QStringLiteral("D:\\pics\\nowhere.bmp"),
        m_appDir.texturesFolder(), // an empty name after loading: the folder itself
        m_appDir.texturesFolder() + QStringLiteral("nowhere.bmp"),
    };
    for (const QString& name : missing) {
        SCOPED_TRACE(name.toStdString());
        m_messages.shown.clear();
        m_surface.ColorBand().setPatternImage(LoadPattern(5));
        m_surface.ColorBand().Brush.Color = 0x00ABCDEF;
        m_surface.ColorBand().Transparency = 10;
        m_state.CurrentPattern = 13;

        apply(name, 0x00123456, 50);

        EXPECT_EQ(m_messages.shown, QStringList{QStringLiteral("Texture file not found.")});
        EXPECT_EQ(m_state.CurrentPattern, 0);
        EXPECT_EQ(m_state.CurrentTexturePath, QString());
        EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), name);
        EXPECT_EQ(overlay().Brush.Image, LoadPattern(5));
        EXPECT_TRUE(overlay().Brush.ImageIsPattern);
        EXPECT_EQ(overlay().Brush.Color, TColor(0x00123456)); // the only brush change
        EXPECT_EQ(overlay().Transparency, 50);
    }
}

TEST_F(ApplyTextureTest, UnreadableBitmapEndsTheStepWithAPictureError)
{
    const QString path = m_appDir.texturesFolder() + QStringLiteral("broken.bmp");
    QDir().mkpath(m_appDir.texturesFolder());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap");
    file.close();
    m_surface.ColorBand().setPatternImage(LoadPattern(2));
    m_surface.ColorBand().Transparency = 10;

    EXPECT_THROW(apply(path), PictureError);
    EXPECT_EQ(overlay().Brush.Image, LoadPattern(2));
    EXPECT_EQ(overlay().Transparency, 10);
    EXPECT_TRUE(m_messages.shown.isEmpty());
}

TEST(ApplyReadoutStyle, PlacesTheReadoutInTheBandItStandsIn)
{
    // clang-format off
    const struct
    {
        int position;
        int outerEdge;
        double y;
        TColor frame, fill; // the band's last colour; 30 % from its first to its last
    } rows[] = {
        // Hours band F0FBFF -> 000080: 255 - 38.1, 251 - 75.3, 240 - 72; minutes A6CAF0 -> 800000:
        // 166 - 49.8, 202 - 60.6, 240 - 33.6 (halves away from zero).
        {dpTop, 60, 77, 0x00800000, 0x00CE8D74},
        {dpMiddle, 60, -3, 0x00000080, 0x00A8B0D9},
        {dpBottom, 60, -83, 0x00800000, 0x00CE8D74},
        {dpTop, 65, 79.5, 0x00800000, 0x00CE8D74},
        {dpBottom, 20, -63, 0x00800000, 0x00CE8D74},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "position " << row.position << " outer edge " << row.outerEdge);
        FaceSurface surface(QSize(400, 400));
        ApplyReadoutStyle(SkinWith([&](TClockSkin& s) {
                              s.DigPosition = row.position;
                              s.OuterEdge = row.outerEdge;
                              s.DigColor = 0x00336699;
                              s.DigFont.setText(QStringLiteral("Liberation Sans"));
                          }),
                          surface, 96);
        const DigitalReadout& readout = surface.srsDigit();
        EXPECT_TRUE(readout.Active);
        EXPECT_DOUBLE_EQ(readout.Y, row.y);
        EXPECT_EQ(readout.FrameColor, row.frame);
        EXPECT_EQ(readout.FillColor, row.fill);
        EXPECT_EQ(readout.FontColor, TColor(0x00336699));
        EXPECT_EQ(readout.FontName, QStringLiteral("Liberation Sans"));
    }
}

TEST(ApplyReadoutStyle, SizesTheFontFromTheFaceWidth)
{
    // clang-format off
    const struct
    {
        int width, digSize, dpi;
        int points; // nearest(nearest(W * DigSize / 100) / 11)
        int arrowLength; // -nearest(nearest(points * dpi / 72) / 2)
    } rows[] = {
        {400, 30, 96, 11, -8}, // box 120, 10.9 -> 11; 14.67 -> 15; 7.5 -> 8
        {400, 30, 120, 11, -9}, // 18.33 -> 18
        {1000, 100, 96, 91, -60}, // 90.9 -> 91; 121.33 -> 121; 60.5 -> 60
        {200, 30, 96, 5, -4}, // 60 / 11 = 5.45 -> 5; 6.67 -> 7; 3.5 -> 4
        {50, 5, 96, 0, 0}, // box nearest(2.5) = 2, 0.18 -> 0
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << " px, DigSize " << row.digSize << ", " << row.dpi << " dpi");
        FaceSurface surface(QSize(row.width, row.width));
        ApplyReadoutStyle(SkinWith([&](TClockSkin& s) { s.DigSize = row.digSize; }), surface, row.dpi);
        EXPECT_EQ(surface.srsDigit().FontSize, row.points);
        EXPECT_EQ(surface.srsDigit().ArrowLength, row.arrowLength);
    }
}

TEST(ApplyReadoutStyle, BoxShapeFollowsTheFaceShape)
{
    const struct
    {
        int notCircular, rounded;
        int shape;
    } rows[] = {{1, 0, fosRectangle}, {1, 1, fosRoundRectangle}, {0, 0, fosRoundRectangle}, {0, 1, fosRoundRectangle}};
    for (const auto& row : rows) {
        FaceSurface surface;
        ApplyReadoutStyle(SkinWith([&](TClockSkin& s) {
                              s.NotCircular = std::uint8_t(row.notCircular);
                              s.Rounded = std::uint8_t(row.rounded);
                          }),
                          surface, 96);
        EXPECT_EQ(surface.srsDigit().ShapeStyle, row.shape) << row.notCircular << row.rounded;
    }
}

TEST(ApplyReadoutStyle, OffAndDamagedPositionsHideTheReadoutAndChangeNothingElse)
{
    for (int position : {0, 4, 99, -1}) {
        FaceSurface surface;
        surface.srsDigit().Y = 12;
        surface.srsDigit().FontSize = 7;
        ApplyReadoutStyle(SkinWith([&](TClockSkin& s) { s.DigPosition = position; }), surface, 96);
        EXPECT_FALSE(surface.srsDigit().Active) << position;
        EXPECT_EQ(surface.srsDigit().Y, 12);
        EXPECT_EQ(surface.srsDigit().FontSize, 7);
    }
}

TEST(CharacterHeight, IsThePointSizeAtTheResolutionRoundedHalfToEven)
{
    const struct
    {
        int points, dpi, pixels;
    } rows[] = {{11, 96, 15}, {12, 96, 16}, {9, 96, 12}, {3, 108, 4} /* 4.5 */, {3, 84, 4} /* 3.5 */, {0, 96, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(CharacterHeight(row.points, row.dpi), row.pixels) << row.points << " pt at " << row.dpi;
}
