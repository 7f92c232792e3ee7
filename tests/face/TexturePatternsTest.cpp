#include "face/TexturePatterns.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

struct PatternRow
{
    int number;
    const char* name;
    unsigned rows[4]; // 16 pixels each, leftmost in the top bit, set bits are ink
};

const PatternRow kPictures[] = {
    {8, "Fill 80%", {0x5555, 0xFFFF, 0x5555, 0xFFFF}},
    {9, "Fill 60%", {0xAAAA, 0x5555, 0xAAAA, 0x5555}},
    {10, "Fill 40%", {0x0000, 0x5555, 0x0000, 0x5555}},
    {11, "Fill 20%", {0x0000, 0x4444, 0x0000, 0x1111}},
    {12, "Fill 10%", {0x8888, 0x0000, 0x0000, 0x0000}},
    {13, "Zig zag", {0x1041, 0x28A2, 0x4514, 0x8208}},
    {14, "Vertical small", {0x4444, 0x4444, 0x4444, 0x4444}},
    {15, "Horiz. small", {0x0000, 0xFFFF, 0x0000, 0x0000}},
    {16, "Diag. small", {0x2222, 0x1111, 0x8888, 0x4444}},
    {17, "Back Diag. small", {0x4444, 0x8888, 0x1111, 0x2222}},
    {18, "Cross small", {0x4444, 0xFFFF, 0x4444, 0x4444}},
    {19, "Diag. Cross small", {0x4444, 0xAAAA, 0x1111, 0xAAAA}},
};

bool IsInk(const QImage& picture, int x, int y)
{
    return picture.pixel(x, y) == qRgb(0, 0, 0);
}

} // namespace

TEST(TexturePatterns, EveryPictureRepeatsItsFourRowsInBlackOnWhite)
{
    for (const PatternRow& row : kPictures) {
        SCOPED_TRACE(row.name);
        const QImage picture = LoadPattern(row.number - 8);
        ASSERT_EQ(picture.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool ink = (row.rows[y % 4] >> (15 - x)) & 1;
                const QRgb expected = ink ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                ASSERT_EQ(picture.pixel(x, y), expected) << "x " << x << " y " << y;
            }
        }
    }
}

TEST(TexturePatterns, Fill80InksThreePixelsInFour)
{
    const QImage picture = LoadPattern(0);
    int ink = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ink += IsInk(picture, x, y);
    EXPECT_EQ(ink, 16 * 16 * 3 / 4);
}

TEST(TexturePatterns, NamesFollowTheNumbers)
{
    const char* const plain[]
        = {"Solid", "None", "Horizontal", "Vertical", "Diagonal", "Back Diagonal", "Cross", "Diagonal Cross"};
    for (int number = 0; number < 8; ++number)
        EXPECT_EQ(PatternName(number), QString::fromLatin1(plain[number])) << number;
    for (const PatternRow& row : kPictures)
        EXPECT_EQ(PatternName(row.number), QString::fromLatin1(row.name));

    EXPECT_EQ(PatternNames().size(), 20);
    EXPECT_EQ(PatternNames().last(), QStringLiteral("Diag. Cross small"));
}

TEST(TexturePatterns, NumbersOutsideTheTableHaveNoNameAndNoPicture)
{
    for (int number : {-1, 20, 1000})
        EXPECT_TRUE(PatternName(number).isEmpty()) << number;
    for (int index : {-1, 12, 100})
        EXPECT_TRUE(LoadPattern(index).isNull()) << index;
}
