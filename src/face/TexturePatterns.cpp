#include "face/TexturePatterns.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>

namespace horavine {

namespace {

// clang-format off
// The texture editor's list shows them translated.
const std::array<const char*, kPatternCount> kNames = {
    QT_TRANSLATE_NOOP("TexturePatterns", "Solid"),
    QT_TRANSLATE_NOOP("TexturePatterns", "None"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Horizontal"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Vertical"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Diagonal"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Back Diagonal"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Cross"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Diagonal Cross"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Fill 80%"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Fill 60%"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Fill 40%"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Fill 20%"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Fill 10%"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Zig zag"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Vertical small"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Horiz. small"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Diag. small"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Back Diag. small"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Cross small"),
    QT_TRANSLATE_NOOP("TexturePatterns", "Diag. Cross small"),
};
// clang-format on

// Each picture repeats four 16-pixel rows from the top; the most significant bit is the leftmost
// pixel, a set bit is ink.
constexpr std::array<std::array<std::uint16_t, 4>, kPatternPictureCount> kRows = {{
    {0x5555, 0xFFFF, 0x5555, 0xFFFF},
    {0xAAAA, 0x5555, 0xAAAA, 0x5555},
    {0x0000, 0x5555, 0x0000, 0x5555},
    {0x0000, 0x4444, 0x0000, 0x1111},
    {0x8888, 0x0000, 0x0000, 0x0000},
    {0x1041, 0x28A2, 0x4514, 0x8208},
    {0x4444, 0x4444, 0x4444, 0x4444},
    {0x0000, 0xFFFF, 0x0000, 0x0000},
    {0x2222, 0x1111, 0x8888, 0x4444},
    {0x4444, 0x8888, 0x1111, 0x2222},
    {0x4444, 0xFFFF, 0x4444, 0x4444},
    {0x4444, 0xAAAA, 0x1111, 0xAAAA},
}};

} // namespace

QString PatternName(int number)
{
    if (number < 0 || number >= kPatternCount)
        return QString();
    return QCoreApplication::translate("TexturePatterns", kNames[std::size_t(number)]);
}

QStringList PatternNames()
{
    QStringList names;
    for (int number = 0; number < kPatternCount; ++number)
        names << PatternName(number);
    return names;
}

QImage LoadPattern(int index)
{
    if (index < 0 || index >= kPatternPictureCount)
        return QImage();
    // Format_Mono stores the leftmost pixel in the most significant bit, just like the table.
    QImage picture(kPatternPictureSize, kPatternPictureSize, QImage::Format_Mono);
    picture.setColorCount(2);
    picture.setColor(0, qRgb(255, 255, 255));
    picture.setColor(1, qRgb(0, 0, 0));
    const auto& rows = kRows[std::size_t(index)];
    for (int y = 0; y < kPatternPictureSize; ++y) {
        const std::uint16_t row = rows[std::size_t(y % 4)];
        uchar* line = picture.scanLine(y);
        line[0] = uchar(row >> 8);
        line[1] = uchar(row & 0xFF);
    }
    return picture;
}

} // namespace horavine
