#include "face/FacePicture.h"

#include "face/FacePainter.h"

namespace horavine {

void DrawFacePicture(QImage& picture, const TClockSkin& skin, double hourAngle, double minuteAngle)
{
    thread_local FacePainter painter;
    painter.draw(picture, skin, hourAngle, minuteAngle);
}

} // namespace horavine
