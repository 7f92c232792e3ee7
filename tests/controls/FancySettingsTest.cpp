#include "../app/ShellTestApp.h"
#include "controls/FancyDrawing.h"
#include "controls/TDsEffect.h"
#include "controls/TDsGlyph.h"
#include "face/FaceColors.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

TEST(FancySettings, SettersClampAndReportOnlyRealChanges)
{
    TDsEffect effect;
    TDsGlyph glyph;
    QSignalSpy effectChanges(&effect, &TDsEffect::OnEffectChange);
    QSignalSpy glyphChanges(&glyph, &TDsGlyph::OnGlyphChange);
    using Setter = std::function<int(int)>; // sets a value, answers what is stored
    // clang-format off
    const Setter radius = [&](int v) { return effect.setCornerRadius(v), effect.CornerRadius(); };
    const Setter frame = [&](int v) { return effect.setFrameWidth(v), effect.FrameWidth(); };
    const Setter face = [&](int v) { return effect.setFaceColor(TColor(v)), int(effect.FaceColor()); };
    const Setter number = [&](int v) { return glyph.setNumber(v), glyph.Number(); };
    const Setter distance = [&](int v) { return glyph.setDistance(v), glyph.Distance(); };
    const Setter strip = [&](int w) { return glyph.setGlyph(QImage(w, 2, QImage::Format_RGB32)), glyph.CellWidth(); };
    // clang-format on
    // Each row builds on the ones before it.
    const struct
    {
        const Setter& set;
        int value, stored;
        bool change;
    } rows[] = {
        {radius, -5, 0, true},    {radius, 0, 0, false},
        {radius, 200, 145, true}, {radius, 300, 145, false},
        {frame, 1, 3, true},      {frame, 20, 14, true},
        {frame, 14, 14, false},   {face, int(clBtnFace), int(clBtnFace), false},
        {face, 0xFF, 0xFF, true}, {number, 0, 1, false},
        {number, 9, 4, true},     {number, 2, 2, true},
        {distance, -3, 0, false}, {distance, 9, 9, true},
        {strip, 3, 1, true},      {strip, 3, 1, true}, // a picture always counts as a change
        {number, 4, 4, true},     {strip, 3, 0, true}, // narrower than Number: no cell
    };
    int step = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(step++);
        const qsizetype before = effectChanges.count() + glyphChanges.count();
        EXPECT_EQ(row.set(row.value), row.stored);
        EXPECT_EQ(effectChanges.count() + glyphChanges.count() - before, row.change ? 1 : 0);
    }
}

TEST(FancySettings, MixColorsPerChannelWithHalvesToEven)
{
    EnsureApplication();
    const struct
    {
        TColor a, b;
        int percent;
        TColor expected;
    } rows[] = {
        {0x000000, 0xFFFFFF, 80, 0xCCCCCC}, // 204 grey
        {0xFFFFFF, 0x000000, 80, 0x333333},  {0x0000FF, 0xFF0000, 50, 0x800080}, // 127.5 -> 128 on each side
        {0x000001, 0x000000, 50, 0x000000}, // 0.5 -> 0
        {0x000003, 0x000000, 50, 0x000002}, // 1.5 -> 2
        {0x808080, 0xFFFFFF, 65, 0xD3D3D3}, // the highlight over clGray: 210.55
        {0x123456, 0x654321, 0, 0x123456},   {0x123456, 0x654321, 100, 0x654321},
        {0x000000, 0xFFFFFF, 150, 0xFFFFFF}, // held to 100
    };
    for (const auto& row : rows)
        EXPECT_EQ(MixColors(row.a, row.b, row.percent), row.expected) << std::hex << row.a << " " << row.b;
    // A system colour takes its current value before mixing.
    EXPECT_EQ(MixColors(clBtnFace, clBtnFace, 80), ResolveColor(clBtnFace));
    EXPECT_EQ(MixColors(clGray, clBtnFace, 100), ResolveColor(clBtnFace));
}

TEST(FancySettings, LayoutOfGlyphAndCaption)
{
    // A 100 x 40 button, a 16 x 20 glyph cell, 4 pixels apart from a 30 x 10 caption; then a button
    // too small for them, where the gaps become 0 and the far side may go negative.
    const struct
    {
        TBmpLayout layout;
        int w, h;
        TFancyLayout expected;
    } rows[] = {
        {lyLeft, 100, 40, {25, 10, 45, 15}},
        {lyRight, 100, 40, {59, 10, 25, 15}},
        {lyTop, 100, 40, {42, 3, 35, 27}},
        {lyBottom, 100, 40, {42, 17, 35, 3}},
        {lyCenter, 100, 40, {42, 10, 35, 15}},
        {lyLeft, 40, 15, {0, 0, 20, 2}},
        {lyRight, 40, 15, {24, 0, -10, 2}},
        {lyTop, 12, 15, {0, 0, -9, 24}},
        {lyBottom, 12, 15, {0, -5, -9, -19}},
        {lyCenter, 11, 15, {0, 0, -9, 2}}, // half(-19) is -9: truncated, not floored
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout << " on " << row.w << "x" << row.h);
        const TFancyLayout got = fancyLayout(row.layout, row.w, row.h, 16, 20, 4, 30, 10);
        EXPECT_EQ(got.GlyphLeft, row.expected.GlyphLeft);
        EXPECT_EQ(got.GlyphTop, row.expected.GlyphTop);
        EXPECT_EQ(got.CaptionLeft, row.expected.CaptionLeft);
        EXPECT_EQ(got.CaptionTop, row.expected.CaptionTop);
    }
}

} // namespace
} // namespace horavine::test
