#include "face/ClockFace.h"

#include "common/DateFormat.h"
#include "face/FaceGeometry.h"
#include "face/FaceStyle.h"
#include "face/MarkerRules.h"
#include "face/WindowShape.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace horavine {

namespace {

// A face picture depends on the hour only modulo 12 and on the minute, so this names it;
// minute 60 is the next whole hour, as HourAngle has it.
int PictureMinute(int hour, int minute)
{
    return ((hour % 12) * 60 + minute) % 720;
}

// Sets a flag for as long as it lives, also when an error leaves the rebuild early.
class FlagScope
{
public:
    explicit FlagScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

ClockFace::ClockFace(SkinState& state, const AppDir& appDir, ClockFaceHost& host)
    : m_state(state)
    , m_appDir(appDir)
    , m_host(host)
    , m_messages(host)
    , m_formatSettings(FormatSettings::fromLocale(QLocale::system()))
{
}

void ClockFace::Timer1Timer()
{
    // A rebuild that waits in a message box lets the timer fire inside it; those ticks would find
    // FaceState still negative and start rebuild after rebuild, box over box.
    if (m_rebuilding)
        return;
    ++m_ticks;

    m_host.placeAboveTimerToolbar();
    if (faceState() == kNotBuilt) {
        m_host.showWindowAndSurface();
        m_surface.setVisible(true);
    }

    const TimeParts time = DecodeTime(m_host.clockTime());
    const TClockSkin& skin = m_state.CurrentSkin;
    const double markerRadius = (double(int(skin.OuterEdge)) - int(skin.InnerEdge)) / 2.0;

    if (faceState() == kNotBuilt) {
        m_surface.srsDigit().setPoint(0.0, QStringLiteral("12:34:56 AM"));
        m_surface.srsSec().setPoint(0.0, 0.0, markerRadius);
    }
    if (faceState() == kRebuildRequested)
        m_surface.srsSec().Radius = markerRadius;

    if (faceState() < 0)
        rebuild(time.hour, time.minute);
    else
        ordinaryTick(time.hour, time.minute, time.second);
}

void ClockFace::RebuildFace()
{
    if (m_rebuilding) {
        m_rebuildPending = true;
        return;
    }
    if (faceState() >= 0)
        m_surface.setTag(kRebuildRequested);
    if (faceState() == kRebuildRequested)
        Timer1Timer();
}

void ClockFace::RequestRebuild()
{
    // The guard turns away the ticks of a rebuild's message box; a skin changed meanwhile must
    // still reach the screen, so the request is kept for the tick after it.
    if (m_rebuilding) {
        m_rebuildPending = true;
        return;
    }
    if (faceState() >= 0)
        m_surface.setTag(kRebuildRequested);
}

void ClockFace::rebuild(int hour, int minute)
{
    FlagScope rebuilding(m_rebuilding);
    m_rebuildPending = false;

    if (m_host.clockShown()) {
        m_host.applyStayOnTop();
        m_host.hideTaskbarEntry();
    }

    // ShapeForm: a size below 50 reaches the window as it is (the surface keeps its 50 x 50); only
    // a damaged skin brings one below 0 or above the surface's largest side, and gets that bound.
    const TClockSkin& skin = m_state.CurrentSkin;
    const int size = std::clamp(int(skin.ClockSize), 0, FaceSurface::kMaximumSide);
    m_host.shapeForm(size, skin.NotCircular, skin.Rounded, AlphaLevel(skin.Transparency));
    m_surface.setSize(QSize(size, size));
    m_builtForRatio = m_host.screenPixelRatio();
    m_surface.setDevicePixelRatio(m_builtForRatio);
    m_shownMinute = -1;
    // Drawn in device pixels: at a ratio of 2 the picture is that of a face twice the size.
    m_surface.setBackImage(QImage());
    m_picture = QImage(m_surface.deviceSize(), QImage::Format_RGB32);
    drawPicture(hour, minute);
    m_surface.setBackImage(m_picture);
    m_shownMinute = PictureMinute(hour, minute);
    m_drawnHour = hour;
    m_drawnMinute = minute;

    ApplyMarkerStyle(m_surface.srsSec(), skin);
    m_state.CurrentTexturePath.clear();
    m_host.endFirstActivation();
    ApplyTexture(m_state, m_appDir, m_surface, &m_messages);
    ApplyReadoutStyle(m_state.CurrentSkin, m_surface);

    m_surface.setTag(m_rebuildPending ? kRebuildRequested : minute);
    m_rebuildPending = false;
    m_host.faceChanged();
}

void ClockFace::ordinaryTick(int hour, int minute, int second)
{
    SecondMarker& marker = m_surface.srsSec();
    const TClockSkin& skin = m_state.CurrentSkin;
    const double markerTrack = (double(int(skin.OuterEdge)) + int(skin.InnerEdge)) / 2.0;
    const QPointF centre = MarkerCentre(second, markerTrack, skin.NotCircular != 0);
    const QRect markerBefore = m_surface.markerBounds();
    const bool markerMoves = marker.X != centre.x() || marker.Y != centre.y();
    marker.X = centre.x();
    marker.Y = centre.y();
    // The marker is repainted before the alarm hook, which may open a window and wait.
    if (markerMoves)
        reportAreas(markerBefore, m_surface.markerBounds());

    const std::uint64_t ticksBefore = m_ticks;
    m_host.alarmHook(m_host.realTime());
    // An alarm shown modally lets later ticks run inside the hook; they showed newer minutes than
    // ours, and swapping in our minute's picture now would turn the face back.
    const bool overtaken = m_ticks != ticksBefore;

    const FaceSurface::ReadoutAreas readoutBefore = m_surface.readoutAreas();
    const QString labelBefore = m_surface.srsDigit().Label;
    const int format = m_host.digitalFormatIndex();
    if (format == 0 || format == 1) {
        const TDateTime now = m_host.clockTime();
        m_surface.srsDigit().Label = FormatDateTime(format == 0 ? m_formatAMPM : m_format24, now, m_formatSettings);
    }

    if (!overtaken && showMinute(hour, minute))
        m_host.faceChanged();
    else if (m_surface.srsDigit().Label != labelBefore)
        reportReadout(labelBefore, readoutBefore);
}

void ClockFace::reportReadout(const QString& labelBefore, const FaceSurface::ReadoutAreas& before)
{
    // Most seconds change a digit or two of a label of the same width: the box and the other
    // characters stay as they are, and only the changed characters' old and new glyphs are
    // repainted. Anything else repaints the read-out whole.
    const QString& label = m_surface.srsDigit().Label;
    const FaceSurface::ReadoutAreas after = m_surface.readoutAreas();
    if (after.box != before.box || before.characters.isEmpty() || after.characters.size() != before.characters.size()
        || label.size() != labelBefore.size()) {
        reportAreas(before.bounds, after.bounds);
        return;
    }
    QRect changed;
    for (qsizetype i = 0; i < after.characters.size(); ++i) {
        if (label.at(i) != labelBefore.at(i) || after.characters[i] != before.characters[i])
            changed |= after.characters[i] | before.characters[i];
    }
    if (!changed.isEmpty())
        m_host.faceAreasChanged({changed});
}

void ClockFace::reportAreas(const QRect& before, const QRect& after)
{
    std::vector<QRect> areas;
    if (!before.isEmpty())
        areas.push_back(before);
    if (!after.isEmpty() && after != before)
        areas.push_back(after);
    if (!areas.empty())
        m_host.faceAreasChanged(areas);
}

bool ClockFace::showMinute(int hour, int minute)
{
    const int wanted = PictureMinute(hour, minute);
    // Same minute and same hour: nothing to do. The hour is compared too, so that a clock set
    // an hour on is not left showing the old hour until the next minute.
    if (minute == faceState() && wanted == m_shownMinute)
        return false;

    // The minute after the one on show is drawn as that minute plus one, which at a whole hour is
    // minute 60 of the hour before; after a jump of ClockTime (the timer restarting, the system
    // clock set) the picture is drawn for the time itself.
    const bool next = PictureMinute(m_drawnHour, m_drawnMinute + 1) == wanted;
    // The surface lets go of the picture first, so that it is drawn over in place.
    m_surface.setBackImage(QImage());
    if (next)
        drawPicture(m_drawnHour, m_drawnMinute + 1);
    else
        drawPicture(hour, minute);
    m_surface.setBackImage(m_picture);
    m_shownMinute = wanted;
    m_drawnHour = hour;
    m_drawnMinute = minute;
    m_surface.setTag(minute);
    return true;
}

void ClockFace::drawPicture(int hour, int minute)
{
    m_painter.draw(m_picture, m_state.CurrentSkin, HourAngle(hour, minute), MinuteAngle(minute));
}

void ClockFace::paint(QPainter& painter) const
{
    if (m_surface.isVisible())
        m_surface.paint(painter);
}

void ClockFace::paint(QPainter& painter, const QRegion& area) const
{
    if (m_surface.isVisible())
        m_surface.paint(painter, area);
}

int ClockFace::msUntilNextTick(TDateTime now)
{
    const double msOfDay = std::abs(TimeOf(now)) * kMSecsPerDay;
    if (!std::isfinite(msOfDay))
        return 1000;
    // Rounded as DecodeTime rounds, so the tick reads the second it was aimed at.
    const long long msOfSecond = std::llround(msOfDay) % 1000;
    return int(1000 - msOfSecond) + kTickMarginMs;
}

} // namespace horavine
