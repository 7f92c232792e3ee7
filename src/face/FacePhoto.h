#pragma once

// The gallery preview of a skin: the clock's face photographed offscreen, never from the screen.
// Reading the screen is unreliable for this (a window manager may move or cover the clock, a
// compositor may not have painted it yet, some display servers forbid it, and a clock near the
// screen edge has pixels nobody drew), so the face is built once more at the preview's size and
// painted by the same code that paints the clock window.

#include "common/AppDir.h"
#include "common/DayCount.h"
#include "common/FormatSettings.h"
#include "face/SkinState.h"

#include <QImage>
#include <QRgb>
#include <QString>

namespace horavine {

inline constexpr int kGalleryPictureSize = 300;
inline constexpr QRgb kGalleryBackground = 0x336699; // the thumbnail grid's background

// How the clock shows its read-out: the pattern of each format and which one is chosen.
struct ReadoutFormat
{
    int index = 0; // rgDigFormat: -1 none, 0 the AM/PM pattern, 1 the 24-hour pattern
    QString formatAMPM = QStringLiteral("h:mm:ss AM/PM");
    QString format24 = QStringLiteral("h:mm:ss");
    FormatSettings regional = FormatSettings::fromLocale(QLocale::system());
};

// The face of state.CurrentSkin at clockTime as the window shows it, size x size pixels and
// opaque: the face picture, overlay, marker and read-out inside the window's outline, the
// background colour outside it. state itself is not changed; a texture that cannot be found is
// left out silently (the clock has already said so when it last rebuilt).
QImage PhotographFace(const SkinState& state, const AppDir& appDir, TDateTime clockTime, const ReadoutFormat& format,
                      int size = kGalleryPictureSize, QRgb background = kGalleryBackground);

} // namespace horavine
