#pragma once

#include "common/DayCount.h"

#include <QRect>
#include <vector>

namespace horavine {

// What the tick asks of the main window. The face itself has no widgets; the clock window
// implements this, tests record the calls.
class ClockFaceHost
{
public:
    virtual ~ClockFaceHost() = default;

    virtual TDateTime clockTime() const = 0; // ClockTime: the wall clock, or the timer's Elapsed
    virtual TDateTime realTime() const = 0; // what the alarm hook is given, also in timer mode
    virtual bool clockShown() const = 0; // mShow checked

    // Every tick, first: stand above the timer toolbar while it is visible (the host decides).
    virtual void placeAboveTimerToolbar() { }
    // The first tick: the window and the surface become visible (the start-up picture goes).
    virtual void showWindowAndSurface() { }
    // Rebuild, only while the clock is shown, in this order.
    virtual void applyStayOnTop() { }
    virtual void hideTaskbarEntry() { } // HideTask := true
    // Rebuild: the window's size, outline (WindowOutline) and alpha level (already AlphaLevel's).
    virtual void shapeForm(int /*size*/, int /*notCircular*/, int /*rounded*/, int /*alphaLevel*/) { }
    virtual void endFirstActivation() { } // the main window's Tag := 0
    // Ordinary ticks only; may present an alarm modally, so further ticks can run inside it.
    virtual void alarmHook(TDateTime /*realNow*/) { }
    virtual int digitalFormatIndex() const = 0; // rgDigFormat: -1 none, 0 FormatAMPM, 1 Format24
    // The face changed: schedule a repaint (several in one tick are expected to coalesce).
    virtual void faceChanged() { }
    // Only these areas of the face changed (logical pixels of the surface, which has its top-left
    // corner at the window's): repaint them alone. A host without partial repaints repaints all.
    virtual void faceAreasChanged(const std::vector<QRect>& /*areas*/) { faceChanged(); }
    // Device pixels per logical pixel of the screen the face is shown on; a rebuild draws the face
    // at that resolution.
    virtual qreal screenPixelRatio() const { return 1.0; }
    // Rebuild: show "Texture file not found." in a message box; the rebuild goes on after it.
    virtual void textureNotFound() { }
};

} // namespace horavine
