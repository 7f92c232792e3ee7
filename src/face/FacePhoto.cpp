#include "face/FacePhoto.h"

#include "face/ClockFace.h"
#include "face/FixedMomentHost.h"
#include "face/WindowShape.h"

#include <QPainter>

namespace horavine {

QImage PhotographFace(const SkinState& state, const AppDir& appDir, TDateTime clockTime, const ReadoutFormat& format,
                      int size, QRgb background)
{
    SkinState copy = state;
    copy.CurrentSkin.ClockSize = size;
    FixedMomentHost host(clockTime, format.index);
    ClockFace face(copy, appDir, host);
    face.setFormatAMPM(format.formatAMPM);
    face.setFormat24(format.format24);
    face.setFormatSettings(format.regional);
    face.Timer1Timer(); // the first tick builds the face
    face.Timer1Timer(); // an ordinary one places the marker and writes the read-out

    QImage photo(size, size, QImage::Format_RGB32);
    photo.fill(background);
    QPainter painter(&photo);
    painter.setClipRegion(WindowOutline(size, copy.CurrentSkin.NotCircular != 0, copy.CurrentSkin.Rounded != 0));
    face.paint(painter);
    return photo;
}

} // namespace horavine
