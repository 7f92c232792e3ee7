#pragma once

// The one-second tick of the clock face: FaceState, the two face pictures drawn a minute ahead,
// the second marker, the read-out's text and the rebuild that applies the whole skin.

#include "common/AppDir.h"
#include "common/DayCount.h"
#include "common/FormatSettings.h"
#include "face/ClockFaceHost.h"
#include "face/FaceMessages.h"
#include "face/FacePainter.h"
#include "face/FaceSurface.h"
#include "face/SkinState.h"

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

class QPainter;

namespace horavine {

class ClockFace
{
public:
    static constexpr int kNotBuilt = -1; // FaceState at creation
    static constexpr int kRebuildRequested = -2;
    static constexpr int kTickMarginMs = 5; // how long after the whole second a tick is due

    ClockFace(SkinState& state, const AppDir& appDir, ClockFaceHost& host);
    ClockFace(const ClockFace&) = delete;
    ClockFace& operator=(const ClockFace&) = delete;

    // The tick: a rebuild while FaceState is negative, otherwise an ordinary tick. Errors of a
    // rebuild (an unreadable texture) propagate and leave FaceState negative, so the next tick
    // tries again; a tick arriving while a rebuild waits in a message box returns at once.
    void Timer1Timer();
    // Rebuild at once, or at the next tick; both do nothing before the first tick.
    void RebuildFace();
    void RequestRebuild();

    int faceState() const { return m_surface.Tag(); } // kept in the surface's Tag, as Chart1's
    bool isRebuilding() const { return m_rebuilding; }

    const FaceSurface& surface() const { return m_surface; }
    FaceSurface& surface() { return m_surface; } // the texture editor changes the overlay in place
    const QImage& FacePicture() const { return m_picture; } // the one on show

    const QString& FormatAMPM() const { return m_formatAMPM; }
    void setFormatAMPM(const QString& pattern) { m_formatAMPM = pattern; }
    const QString& Format24() const { return m_format24; }
    void setFormat24(const QString& pattern) { m_format24 = pattern; }
    const FormatSettings& formatSettings() const { return m_formatSettings; }
    void setFormatSettings(const FormatSettings& settings) { m_formatSettings = settings; }

    // The surface with its top-left corner at the painter's origin: the cached face picture and
    // overlay, then marker and read-out. Paints nothing before the first tick has shown the
    // surface; the window shows its start-up picture until then.
    void paint(QPainter& painter) const;
    // The same within an area of the surface (logical pixels), for a partial repaint.
    void paint(QPainter& painter, const QRegion& area) const;
    // The host's screen pixel ratio the face was last built for.
    qreal builtForRatio() const { return m_builtForRatio; }

    // Milliseconds from now (the wall clock) to kTickMarginMs past the next whole second: the
    // delay for the window's single-shot tick timer, re-armed on every tick.
    static int msUntilNextTick(TDateTime now);

private:
    class Messages : public FaceMessages
    {
    public:
        explicit Messages(ClockFaceHost& host)
            : m_host(host)
        {
        }
        void textureNotFound(const QString&) override { m_host.textureNotFound(); }

    private:
        ClockFaceHost& m_host;
    };

    void rebuild(int hour, int minute);
    void ordinaryTick(int hour, int minute, int second);
    bool showMinute(int hour, int minute); // true when another face picture went up
    void reportAreas(const QRect& before, const QRect& after);
    void reportReadout(const QString& labelBefore, const FaceSurface::ReadoutAreas& before);
    void drawPicture(int hour, int minute);

    SkinState& m_state;
    AppDir m_appDir;
    ClockFaceHost& m_host;
    Messages m_messages;

    FaceSurface m_surface;
    FacePainter m_painter;
    // One face picture, drawn anew in place when the minute moves on (well under a millisecond at
    // 400 pixels): a second one prepared for the next minute would be as large and sit unused.
    QImage m_picture;
    int m_shownMinute = -1; // the hour-and-minute on show (PictureMinute); -1 for none
    // The time the picture on show was drawn at: the next minute's picture is drawn as minute + 1
    // of that hour (minute 60 at a whole hour), as it always has been.
    int m_drawnHour = 0;
    int m_drawnMinute = 0;
    qreal m_builtForRatio = 1.0;

    QString m_formatAMPM = QStringLiteral("h:mm:ss AM/PM");
    QString m_format24 = QStringLiteral("h:mm:ss");
    FormatSettings m_formatSettings;

    bool m_rebuilding = false;
    bool m_rebuildPending = false; // asked for while a rebuild was under way
    std::uint64_t m_ticks = 0; // counts ticks, so a tick can tell that others ran inside it
};

} // namespace horavine
