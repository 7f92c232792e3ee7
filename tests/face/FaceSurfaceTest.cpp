#include "face/FaceSurface.h"

#include "GuiTestApp.h"
#include "face/FaceColors.h"
#include "face/FaceUnits.h"
#include "face/TexturePatterns.h"

#include <QFontMetrics>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

constexpr QRgb kFaceColor = qRgb(10, 100, 250);
constexpr QRgb kSilver = qRgb(192, 192, 192);

QImage Plain(QSize size, QRgb color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

// The smallest rectangle holding every pixel that differs from the background.
QRect PaintedBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountPixels(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

// A surface showing a plain face picture under an invisible overlay.
FaceSurface PlainSurface(QSize size = QSize(200, 200))
{
    FaceSurface surface(size);
    surface.setBackImage(Plain(size, kFaceColor));
    surface.ColorBand().Transparency = 100;
    return surface;
}

} // namespace

TEST(FaceUnits, MapToPixelsWithHalvesToEven)
{
    // clang-format off
    const struct
    {
        int side;
        double value;
        int column, row, length;
    } rows[] = {
        // column = nearest((v + 100) * side / 200), row = side - that, length = nearest(v * side / 200)
        {400, 0, 200, 200, 0},
        {400, -100, 0, 400, 0},
        {400, 100, 400, 0, 200},
        {400, 1, 202, 198, 2},
        {50, -90, 2, 48, 0}, // 2.5 -> 2
        {50, -86, 4, 46, 0}, // 3.5 -> 4
        {50, 10, 28, 22, 2}, // 27.5 -> 28; length 2.5 -> 2
        {50, 14, 28, 22, 4}, // 28.5 -> 28; length 3.5 -> 4
        {50, -5, 24, 26, 0}, // 23.75; a negative length is 0
        {201, 0, 100, 101, 0}, // 100.5 -> 100
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "side " << r.side << " value " << r.value);
        EXPECT_EQ(FaceUnitColumn(r.value, r.side), r.column);
        EXPECT_EQ(FaceUnitRow(r.value, r.side), r.row);
        EXPECT_EQ(FaceUnitLength(r.value, r.side), r.length);
    }
}

TEST(FaceSurface, IsNeverSmallerThanFiftyPixels)
{
    FaceSurface surface(QSize(10, 400));
    EXPECT_EQ(surface.size(), QSize(50, 400));
    surface.setSize(QSize(-3, 49));
    EXPECT_EQ(surface.size(), QSize(50, 50));
}

TEST(FaceSurface, TransparencyMixesOverlayAndPicture)
{
    const struct
    {
        int transparency;
        QRgb expected; // each channel 192 * (100 - T) / 100 + face * T / 100, face = (10, 100, 250)
    } rows[] = {
        {100, kFaceColor},
        {0, kSilver},
        {80, qRgb(46, 118, 238)}, // 38.4 + 8, 38.4 + 80, 38.4 + 200
        {20, qRgb(156, 174, 204)}, // 153.6 + 2, 153.6 + 20, 153.6 + 50
        {150, kFaceColor}, // a damaged value is held at 100
        {-20, kSilver}, // ... and at 0
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.transparency);
        FaceSurface surface = PlainSurface(QSize(60, 50));
        surface.ColorBand().Brush.Style = bsSolid;
        surface.ColorBand().Transparency = row.transparency;
        const QImage image = surface.render();
        EXPECT_EQ(image.pixel(0, 0), row.expected);
        EXPECT_EQ(image.pixel(59, 49), row.expected);
        EXPECT_EQ(CountPixels(image, row.expected), 60 * 50);
    }
}

TEST(FaceSurface, ClearBrushLeavesThePictureUnchangedWhateverItsTransparency)
{
    QImage face(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            face.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    for (int transparency : {0, 50, 80, 100}) {
        FaceSurface surface(QSize(64, 64));
        surface.setBackImage(face);
        surface.ColorBand().Brush.Style = bsClear;
        surface.ColorBand().Transparency = transparency;
        EXPECT_EQ(surface.render(), face) << transparency;
    }
}

TEST(FaceSurface, HatchesAreAnchoredAtTheTopLeftCorner)
{
    const QRgb background = qRgb(255, 0, 0);
    // clang-format off
    const struct
    {
        int style;
        const char* name;
        std::function<bool(int, int)> onLine; // within the 8 x 8 cell of the standard pattern
    } rows[] = {
        {bsHorizontal, "horizontal", [](int, int y) { return y == 3; }},
        {bsVertical, "vertical", [](int x, int) { return x == 4; }},
        {bsFDiagonal, "top left to bottom right", [](int x, int y) { return x == y; }},
        {bsBDiagonal, "bottom left to top right", [](int x, int y) { return x + y == 7; }},
        {bsCross, "cross", [](int x, int y) { return y == 3 || x == 4; }},
        {bsDiagCross, "diagonal cross", [](int x, int y) { return x == y || x + y == 7; }},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Sizes that are not multiples of 8 show whether the first cell starts at the corner.
        for (QSize size : {QSize(50, 50), QSize(61, 75)}) {
            FaceSurface surface = PlainSurface(size);
            surface.ColorBand().Brush.Style = row.style;
            surface.ColorBand().Brush.Color = FromQRgb(background);
            surface.ColorBand().Transparency = 0;
            const QImage image = surface.render();
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_EQ(image.pixel(x, y), row.onLine(x % 8, y % 8) ? kSilver : background)
                        << "x " << x << " y " << y;
        }
    }
}

TEST(FaceSurface, PatternPicturesPaintInkInSilverAndWhiteInTheBrushColour)
{
    const QRgb brush = qRgb(0, 0, 255);
    FaceSurface surface = PlainSurface(QSize(53, 50));
    surface.ColorBand().setPatternImage(LoadPattern(0)); // "Fill 80%": 5555 FFFF
    surface.ColorBand().Brush.Color = FromQRgb(brush);
    surface.ColorBand().Transparency = 0;
    const QImage image = surface.render();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 53; ++x)
            ASSERT_EQ(image.pixel(x, y), (y % 2 == 1 || x % 2 == 1) ? kSilver : brush) << x << "," << y;
}

TEST(FaceSurface, OtherPicturesAreTiledInTheirOwnColoursFromTheTopLeft)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    FaceSurface surface = PlainSurface(QSize(50, 51));
    surface.ColorBand().setPictureImage(tile);
    surface.ColorBand().Brush.Style = bsClear; // a picture replaces the style
    surface.ColorBand().Transparency = 0;
    const QImage image = surface.render();
    for (int y = 0; y < 51; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(image.pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;
}

TEST(FaceSurface, PictureIsCentredAndKeptAsACopy)
{
    QImage face = Plain(QSize(40, 40), kFaceColor);
    FaceSurface surface(QSize(50, 50));
    surface.setBackImage(face);
    surface.ColorBand().Brush.Style = bsClear;
    face.fill(Qt::white); // the surface's copy stays as it was given

    const QImage image = surface.render();
    EXPECT_EQ(PaintedBounds(image, qRgb(0, 0, 0)), QRect(5, 5, 40, 40));
    EXPECT_EQ(CountPixels(image, kFaceColor), 40 * 40);
}

TEST(FaceSurface, EveryChangeOfPictureOrOverlayReachesTheNextPaint)
{
    // clang-format off
    const struct
    {
        const char* change;
        std::function<void(FaceSurface&)> apply;
    } rows[] = {
        {"picture replaced", [](FaceSurface& s) { s.setBackImage(Plain(s.size(), qRgb(1, 2, 3))); }},
        {"transparency", [](FaceSurface& s) { s.ColorBand().Transparency = 30; }},
        {"brush colour", [](FaceSurface& s) { s.ColorBand().Brush.Color = 0x000000FF; }},
        {"brush style", [](FaceSurface& s) { s.ColorBand().Brush.Style = bsSolid; }},
        {"pattern picture", [](FaceSurface& s) { s.ColorBand().setPatternImage(LoadPattern(4)); }},
        {"size", [](FaceSurface& s) { s.setSize(QSize(64, 64)); }},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        FaceSurface surface = PlainSurface(QSize(60, 60));
        surface.ColorBand().Brush.Style = bsHorizontal;
        surface.ColorBand().Transparency = 60;
        const QImage before = surface.render();
        EXPECT_EQ(surface.render(), before); // painting twice paints the same
        row.apply(surface);
        EXPECT_NE(surface.render(), before);
    }

    // A picture on the brush drawn on in place is a change too.
    FaceSurface surface = PlainSurface(QSize(60, 60));
    surface.ColorBand().Transparency = 0;
    surface.ColorBand().setPictureImage(Plain(QSize(4, 4), qRgb(9, 9, 9)));
    const QImage before = surface.render();
    surface.ColorBand().Brush.Image.setPixel(0, 0, qRgb(200, 9, 9));
    EXPECT_EQ(surface.render().pixel(4, 4), qRgb(200, 9, 9));
    EXPECT_NE(surface.render(), before);
}

TEST(FaceSurface, CompositeIsThePictureWithTheOverlayAndElementsComeOnTop)
{
    FaceSurface surface = PlainSurface();
    surface.ColorBand().Brush.Style = bsSolid;
    surface.ColorBand().Transparency = 0;
    surface.srsSec().setPoint(0, 0, 10);
    surface.srsSec().PenColor = 0x000000FF;
    surface.srsSec().FillColor = 0x0000FF00;

    EXPECT_EQ(surface.composite(), Plain(QSize(200, 200), kSilver));
    const QImage image = surface.render();
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 255, 0)); // marker fill over the opaque overlay
    EXPECT_EQ(image.pixel(100, 90), qRgb(255, 0, 0)); // its outline
    EXPECT_EQ(image.pixel(0, 0), kSilver);
}

TEST(FaceSurface, MarkerFiguresSpanTheirHalfSizeEachWay)
{
    const QRgb pen = qRgb(255, 0, 0);
    const QRgb fill = qRgb(0, 200, 0);
    // clang-format off
    const struct
    {
        int style;
        const char* name;
        bool hasArea;
    } figures[] = {
        {psRectangle, "rectangle", true}, {psCircle, "circle", true}, {psTriangle, "triangle", true},
        {psDiamond, "diamond", true},     {psCross, "cross", false},  {psStar, "star", false},
    };
    // clang-format on
    for (const auto& figure : figures) {
        for (double radius : {1.0, 2.0, 5.0, 17.0}) {
            for (int fillStyle : {bsSolid, bsClear}) {
                SCOPED_TRACE(testing::Message() << figure.name << " radius " << radius << " fill " << fillStyle);
                // On 200 x 200 pixels a face unit is a pixel; the centre (30, -20) is pixel (130, 120).
                FaceSurface surface = PlainSurface();
                SecondMarker& marker = surface.srsSec();
                marker.setPoint(30, -20, radius);
                marker.PointerStyle = figure.style;
                marker.PenColor = FromQRgb(pen);
                marker.FillColor = FromQRgb(fill);
                marker.FillStyle = fillStyle;
                const QImage image = surface.render();

                const int s = int(radius);
                EXPECT_EQ(PaintedBounds(image, kFaceColor), QRect(QPoint(130 - s, 120 - s), QPoint(130 + s, 120 + s)));
                const bool filled = figure.hasArea && fillStyle == bsSolid && s >= 2;
                if (figure.hasArea && s >= 2) {
                    EXPECT_EQ(image.pixel(130, 120), filled ? fill : kFaceColor);
                }
                if (!figure.hasArea) {
                    EXPECT_EQ(CountPixels(image, fill), 0);
                }
            }
        }
    }
}

TEST(FaceSurface, MarkerLinesAndCornersLieWhereTheFigureSays)
{
    const int s = 6, px = 100, py = 100;
    const auto draw = [](int style) {
        FaceSurface surface = PlainSurface();
        surface.srsSec().setPoint(0, 0, 6);
        surface.srsSec().PointerStyle = style;
        surface.srsSec().FillStyle = bsClear;
        return surface.render();
    };
    const QRgb pen = qRgb(0, 0, 0);

    const QImage cross = draw(psCross);
    EXPECT_EQ(CountPixels(cross, pen), 4 * s + 1);
    const QImage star = draw(psStar);
    EXPECT_EQ(CountPixels(star, pen), 8 * s + 1);
    for (int d = -s; d <= s; ++d) {
        EXPECT_EQ(star.pixel(px + d, py + d), pen);
        EXPECT_EQ(star.pixel(px + d, py - d), pen);
    }

    // The triangle points upwards: its apex alone on the top row, its base the whole bottom row.
    const QImage triangle = draw(psTriangle);
    EXPECT_EQ(triangle.pixel(px, py - s), pen);
    EXPECT_EQ(triangle.pixel(px - 1, py - s), kFaceColor);
    EXPECT_EQ(triangle.pixel(px + 1, py - s), kFaceColor);
    for (int x = px - s; x <= px + s; ++x)
        EXPECT_EQ(triangle.pixel(x, py + s), pen) << x;

    // The diamond's corners are the middles of the box's sides; the box's corners stay clear.
    const QImage diamond = draw(psDiamond);
    for (QPoint corner : {QPoint(px - s, py), QPoint(px, py - s), QPoint(px + s, py), QPoint(px, py + s)})
        EXPECT_EQ(diamond.pixel(corner), pen);
    EXPECT_EQ(diamond.pixel(px - s, py - s), kFaceColor);

    // The rectangle's frame covers both corners.
    const QImage rectangle = draw(psRectangle);
    EXPECT_EQ(CountPixels(rectangle, pen), 8 * s);
    EXPECT_EQ(rectangle.pixel(px + s, py + s), pen);
}

TEST(FaceSurface, MarkerOfNoSizeIsAtMostOnePixel)
{
    for (int style : {psRectangle, psCircle, psTriangle, psCross, psStar, psDiamond}) {
        for (double radius : {0.0, -4.0, 0.4}) { // 0.4 face units on 200 pixels is nearest(0.4) = 0
            SCOPED_TRACE(testing::Message() << "style " << style << " radius " << radius);
            FaceSurface surface = PlainSurface();
            surface.srsSec().setPoint(-50, 50, radius);
            surface.srsSec().PointerStyle = style;
            const QRect bounds = PaintedBounds(surface.render(), kFaceColor);
            EXPECT_TRUE(bounds.isNull() || bounds == QRect(50, 50, 1, 1)) << bounds.x() << "," << bounds.y();
        }
    }
}

TEST(FaceSurface, InactiveOrPointlessElementsAreNotDrawn)
{
    FaceSurface surface = PlainSurface();
    surface.srsSec().Radius = 10; // no point added yet
    surface.srsDigit().Label = QStringLiteral("12:34:56 AM");
    EXPECT_EQ(CountPixels(surface.render(), kFaceColor), 200 * 200);

    surface.srsSec().setPoint(0, 0, 10);
    surface.srsSec().Active = false;
    surface.srsDigit().setPoint(0, QStringLiteral("12:34:56 AM"));
    surface.srsDigit().Active = false;
    EXPECT_EQ(CountPixels(surface.render(), kFaceColor), 200 * 200);
}

TEST(FaceSurface, MarkerNearTheEdgeIsClippedNotMoved)
{
    FaceSurface surface = PlainSurface();
    surface.srsSec().setPoint(100, 100, 10); // centred on the top-right corner
    surface.srsSec().PointerStyle = psRectangle;
    surface.srsSec().FillStyle = bsSolid;
    EXPECT_EQ(PaintedBounds(surface.render(), kFaceColor), QRect(QPoint(190, 0), QPoint(199, 10)));
}

class ReadoutPainting : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    // A 400-pixel face with the read-out in the middle, as the default skin places it.
    FaceSurface surfaceWith(const QString& label, int shape = fosRectangle)
    {
        FaceSurface surface = PlainSurface(QSize(400, 400));
        DigitalReadout& readout = surface.srsDigit();
        readout.setPoint(-3, label);
        readout.FontName = QStringLiteral("DejaVu Sans");
        readout.FontSize = 11;
        readout.ArrowLength = -8;
        readout.FontColor = FromQRgb(kText);
        readout.FrameColor = FromQRgb(kFrame);
        readout.FillColor = FromQRgb(kFill);
        readout.ShapeStyle = shape;
        return surface;
    }

    // The box by the rule, from the metrics of the same font on the same kind of device.
    static QRect expectedBox(const FaceSurface& surface, const QImage& device)
    {
        const DigitalReadout& readout = surface.srsDigit();
        const QFontMetrics metrics(readout.font(), &device);
        const int width = metrics.horizontalAdvance(readout.Label) + metrics.horizontalAdvance(QLatin1Char('W')) + 2;
        const int height = metrics.height() + 2;
        const int px = 200;
        const int py = 400 - 194; // y = -3 -> row 400 - nearest(97 * 2)
        return QRect(px - width / 2, py - height + 1 + 8, width, height);
    }

    static constexpr QRgb kText = qRgb(0, 0, 0);
    static constexpr QRgb kFrame = qRgb(200, 0, 0);
    static constexpr QRgb kFill = qRgb(250, 250, 180);
};

TEST_F(ReadoutPainting, BoxWidthFollowsTheLabelAndStaysCentred)
{
    for (const QString& label : {QStringLiteral(""), QStringLiteral("1:11:11"), QStringLiteral("12:34:56 AM"),
                                 QStringLiteral("WWWWWWWW"), QStringLiteral("23:59:59")}) {
        SCOPED_TRACE(label.toStdString());
        const FaceSurface surface = surfaceWith(label);
        const QImage image = surface.render();
        const QRect box = expectedBox(surface, image);

        EXPECT_EQ(PaintedBounds(image, kFaceColor), box);
        EXPECT_EQ(box.left() + box.width() / 2, 200); // centred on x = 0
        // A 1-pixel frame all round, the fill inside it.
        for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            EXPECT_EQ(image.pixel(corner), kFrame);
        EXPECT_EQ(image.pixel(box.left() + 1, box.top() + 1), kFill);
        EXPECT_EQ(image.pixel(box.right() - 1, box.bottom() - 1), kFill);

        // The label's ink lies inside the frame.
        QImage inside = image.copy(box.adjusted(1, 1, -1, -1));
        EXPECT_EQ(CountPixels(inside, kFrame), 0);
        if (!label.isEmpty()) {
            const QRect ink = PaintedBounds(inside, kFill);
            EXPECT_FALSE(ink.isNull());
            // Centred within a pixel or two of rasterisation either way.
            const int slack = (inside.width() - ink.width()) / 2;
            EXPECT_NEAR(ink.left(), slack, 3);
        }
    }
}

TEST_F(ReadoutPainting, RoundedBoxHasRoundCornersWithinTheSameBox)
{
    const FaceSurface surface = surfaceWith(QStringLiteral("12:34:56 AM"), fosRoundRectangle);
    const QImage image = surface.render();
    const QRect box = expectedBox(surface, image);

    EXPECT_EQ(PaintedBounds(image, kFaceColor), box);
    for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        EXPECT_EQ(image.pixel(corner), kFaceColor);
    const QPoint middle = box.center();
    EXPECT_EQ(image.pixel(box.left(), middle.y()), kFrame);
    EXPECT_EQ(image.pixel(middle.x(), box.top()), kFrame);
    EXPECT_EQ(image.pixel(middle.x(), box.bottom()), kFrame);
}

TEST_F(ReadoutPainting, ArrowLengthMovesTheBoxDownWhenNegative)
{
    FaceSurface surface = surfaceWith(QStringLiteral("10:10:10"));
    const QRect before = PaintedBounds(surface.render(), kFaceColor);
    surface.srsDigit().ArrowLength = -20;
    const QRect after = PaintedBounds(surface.render(), kFaceColor);
    EXPECT_EQ(after, before.translated(0, 12));
}

TEST_F(ReadoutPainting, ReadoutIsPaintedOverTheMarker)
{
    FaceSurface surface = surfaceWith(QStringLiteral("12:00:00"));
    surface.srsSec().setPoint(0, -3, 2);
    surface.srsSec().PenColor = 0x0000FF00;
    surface.srsSec().FillColor = 0x0000FF00;
    const QImage image = surface.render();
    EXPECT_EQ(CountPixels(image, qRgb(0, 255, 0)), 0);
}
