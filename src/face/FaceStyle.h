#pragma once

// Turning the current skin into the face surface's texture overlay and digital read-out.

#include "common/AppDir.h"
#include "face/ClockSkin.h"
#include "face/DigitalReadout.h"
#include "face/FaceMessages.h"
#include "face/FaceSurface.h"
#include "face/SkinState.h"

namespace horavine {

// Sets the overlay's brush and transparency from TextureName, TextureColor and TextureTransparency,
// and CurrentPattern / CurrentTexturePath with them; a picture found elsewhere than TextureName says
// is written back into TextureName. A missing picture is reported through messages (may be null)
// and the overlay keeps its picture or pattern. Throws PictureError when the picture exists but
// cannot be read; the transparency is then left as it was.
void ApplyTexture(SkinState& state, const AppDir& appDir, FaceSurface& surface, FaceMessages* messages);

// Places, sizes and colours the read-out from DigPosition, DigSize, DigColor, DigFont and the band
// colours; dpiY is the resolution the font's character height is measured at.
void ApplyReadoutStyle(const TClockSkin& skin, FaceSurface& surface, int dpiY = ScreenDpiY());

} // namespace horavine
