#include "face/FaceUnits.h"

#include "face/FaceGeometry.h"

namespace horavine {

int FaceUnitColumn(double x, int width)
{
    return NearestInt((x + 100.0) * width / 200.0);
}

int FaceUnitRow(double y, int height)
{
    return height - NearestInt((y + 100.0) * height / 200.0);
}

int FaceUnitLength(double length, int height)
{
    if (!(length > 0.0))
        return 0;
    return NearestInt(length * height / 200.0);
}

} // namespace horavine
