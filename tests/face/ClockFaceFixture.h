#pragma once

#include "GuiTestApp.h"
#include "common/Clock.h"
#include "face/ClockFace.h"
#include "face/FaceGeometry.h"
#include "face/FacePicture.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace horavine::test {

// Plays the main window: its clocks are set by the test, every call is written down.
class RecordingHost : public ClockFaceHost
{
public:
    struct Shape
    {
        int size, notCircular, rounded, alpha;
    };

    ManualClock clock; // ClockTime
    ManualClock real; // the wall clock, for the alarm hook
    bool shown = true;
    int digFormat = 1;
    qreal ratio = 1.0; // the screen's device pixel ratio
    std::vector<std::vector<QRect>> areas; // of each faceAreasChanged
    QStringList calls;
    std::vector<Shape> shapes;
    std::vector<TDateTime> alarms;
    std::function<void()> onShapeForm;
    std::function<void()> onTextureNotFound;
    std::function<void()> onAlarm;

    TDateTime clockTime() const override { return clock.now(); }
    TDateTime realTime() const override { return real.now(); }
    bool clockShown() const override { return shown; }
    int digitalFormatIndex() const override { return digFormat; }
    void placeAboveTimerToolbar() override { calls << "placeAboveTimerToolbar"; }
    void showWindowAndSurface() override { calls << "showWindowAndSurface"; }
    void applyStayOnTop() override { calls << "applyStayOnTop"; }
    void hideTaskbarEntry() override { calls << "hideTaskbarEntry"; }
    void shapeForm(int size, int notCircular, int rounded, int alphaLevel) override
    {
        calls << "shapeForm";
        shapes.push_back({size, notCircular, rounded, alphaLevel});
        if (onShapeForm)
            onShapeForm();
    }
    void endFirstActivation() override { calls << "endFirstActivation"; }
    void alarmHook(TDateTime realNow) override
    {
        calls << "alarmHook";
        alarms.push_back(realNow);
        if (onAlarm)
            onAlarm();
    }
    void faceChanged() override { calls << "faceChanged"; }
    void faceAreasChanged(const std::vector<QRect>& changed) override
    {
        calls << "faceAreasChanged";
        areas.push_back(changed);
    }
    qreal screenPixelRatio() const override { return ratio; }
    void textureNotFound() override
    {
        calls << "textureNotFound";
        if (onTextureNotFound)
            onTextureNotFound();
    }
};

inline TDateTime At(int hour, int minute, int second, int msec = 0)
{
    return EncodeDateTime(2025, 12, 9, hour, minute, second, msec);
}

// A face picture of the default size drawn straight for an hour and a minute.
inline QImage PictureFor(const TClockSkin& skin, int hour, int minute, int side = 400)
{
    QImage picture(side, side, QImage::Format_RGB32);
    DrawFacePicture(picture, skin, HourAngle(hour, minute), MinuteAngle(minute));
    return picture;
}

// Pictures of one size whose pixels all agree; otherwise says how many differ.
inline ::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ";
}

class ClockFaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureGuiApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_face = std::make_unique<ClockFace>(m_state, AppDir(m_dir.path()), m_host);
        m_face->setFormatSettings(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    }

    ClockFace& face() { return *m_face; }
    TClockSkin& skin() { return m_state.CurrentSkin; }

    void tickAt(TDateTime moment)
    {
        m_host.clock.set(moment);
        m_host.real.set(moment);
        m_face->Timer1Timer();
    }

    QTemporaryDir m_dir;
    SkinState m_state;
    RecordingHost m_host;
    std::unique_ptr<ClockFace> m_face;
};

} // namespace horavine::test
