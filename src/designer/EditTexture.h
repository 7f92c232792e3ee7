#pragma once

// The designer's way into the texture editor.

#include "common/AppDir.h"
#include "face/FaceOverlay.h"
#include "face/SkinState.h"

#include <functional>

class QWidget;

namespace horavine {

// Opens the texture editor modally on the face's overlay and returns when it closes, by any means.
// A texture file in CurrentTexturePath is loaded again first, else CurrentPattern is selected; the
// transparency starts at the skin's TextureTransparency. overlayChanged runs after every change the
// editor makes to the overlay, so the clock can repaint at once. Afterwards the skin's TextureColor
// is the brush's colour; TextureTransparency and TextureName are left to the caller
// (StoreTextureInSkin).
void EditTexture(FaceOverlay& overlay, SkinState& state, const AppDir& appDir,
                 const std::function<void()>& overlayChanged, QWidget* parent = nullptr);

} // namespace horavine
