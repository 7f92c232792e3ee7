#include "FancyButtonHost.h"
#include "controls/OptionsButtons.h"

#include <QPainter>
#include <cmath>

namespace horavine::test {
namespace {

TEST_F(FancyButtonHost, FrameRingsShadeAlongAQuarterCircle)
{
    // FrameWidth 4: the rings sit at 0, 0.661, 0.866 and 0.968 of the way from the frame colour to
    // the face colour. The right and the bottom edge show every ring; on the left and top the
    // highlight covers the second one.
    const double fractions[] = {0.0, 0.661, 0.866, 0.968};
    const struct
    {
        TColor face;
        bool hover;
        int inner; // the red channel the frame runs into
    } rows[] = {
        {clWhite, false, 255}, {0x000000, false, 0}, {0x000000, true, 31}, // lit: the face mixed with 12 % white
    };
    button->resize(97, 25);
    button->FancyEffects().setFrameColor(clGray);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.face << (row.hover ? " lit" : ""));
        button->FancyEffects().setFaceColor(row.face);
        row.hover ? moveTo(button->rect().center()) : leave();
        ASSERT_EQ(button->Hovering(), row.hover);
        const QImage image = picture();
        for (int i = 0; i < 4; ++i) {
            const int expected = 128 + int(std::lround((row.inner - 128) * fractions[i]));
            EXPECT_EQ(qRed(image.pixel(96 - i, 12)), expected) << "ring " << i << " from the right";
            EXPECT_EQ(qRed(image.pixel(48, 24 - i)), expected) << "ring " << i << " from the bottom";
        }
        // Outside the rings: the frame colour mixed into the window's white, 80 %.
        EXPECT_EQ(qRed(image.pixel(0, 12)), 230);
    }
}

TEST_F(FancyButtonHost, GlyphCellFollowsTheState)
{
    // Four 6 x 6 cells: normal red, disabled green, pressed blue, hover yellow; the strip's
    // bottom-left pixel is magenta, the colour that stays clear.
    const QRgb cells[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    QImage strip(24, 6, QImage::Format_RGB32);
    for (int c = 0; c < 4; ++c)
        QPainter(&strip).fillRect(c * 6, 0, 6, 6, QColor(cells[c]));
    strip.setPixel(0, 5, qRgb(255, 0, 255));
    button->resize(60, 30);
    button->Glyphs().setLayout(lyCenter); // the cell at (27, 12)

    enum State { Normal, Hover, Down, Disabled };
    const struct
    {
        int number;
        State state;
        int cell;
    } rows[] = {
        {4, Normal, 0}, {4, Hover, 3}, {4, Down, 2},     {4, Disabled, 1}, {2, Normal, 0},
        {2, Hover, 0},  {2, Down, 0},  {2, Disabled, 1}, {1, Hover, 0},    {1, Disabled, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "Number " << row.number << " state " << row.state);
        button->Glyphs().setGlyph(strip.copy(0, 0, 6 * row.number, 6));
        button->Glyphs().setNumber(row.number);
        leave();
        button->setEnabled(row.state != Disabled);
        if (row.state == Hover)
            moveTo(QPoint(5, 15));
        if (row.state == Down)
            press(QPoint(5, 15));
        const QImage image = picture();
        EXPECT_EQ(image.pixel(30, 15) | 0xFF000000, cells[row.cell]);
        if (row.state == Down)
            release(QPoint(5, 15));
    }
    // The keyed pixel shows the face beneath.
    EXPECT_NE(picture().pixel(27, 17) | 0xFF000000, qRgb(255, 0, 255));
}

TEST_F(FancyButtonHost, SizeIsLimitedAfterAPaint)
{
    const struct
    {
        QSize set, afterPaint;
    } rows[] = {{{400, 30}, {300, 30}}, {{120, 200}, {120, 145}}, {{300, 145}, {300, 145}}};
    for (const auto& row : rows) {
        button->resize(row.set);
        EXPECT_EQ(button->size(), row.set);
        button->grab();
        EXPECT_EQ(button->size(), row.afterPaint);
    }
}

TEST(OptionsButtons, SaveTakesTheParentsFontTheOthersTheirOwn)
{
    EnsureApplication();
    QWidget parent;
    parent.setFont(QFont(QStringLiteral("DejaVu Serif"), 17));
    for (const OptionsButton which : {OptionsButton::SaveSkin, OptionsButton::CloseClock, OptionsButton::Done}) {
        TDsFancyButton button(&parent);
        button.setFont(QFont(QStringLiteral("Serif"), 30)); // whatever it had before
        StyleOptionsButton(button, which);
        const bool own = which != OptionsButton::SaveSkin;
        EXPECT_EQ(button.font().pointSize(), own ? -1 : 17) << button.text().toStdString();
        EXPECT_EQ(button.font().pixelSize(), own ? 13 : -1);
        EXPECT_EQ(button.font().bold(), own);
        EXPECT_EQ(button.Glyphs().CellWidth(), 20);
    }
}

} // namespace
} // namespace horavine::test
