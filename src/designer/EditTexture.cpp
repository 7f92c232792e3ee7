#include "designer/EditTexture.h"

#include "designer/TBrushDialog.h"

#include <QSpinBox>

namespace horavine {

void EditTexture(FaceOverlay& overlay, SkinState& state, const AppDir& appDir,
                 const std::function<void()>& overlayChanged, QWidget* parent)
{
    TBrushDialog dialog(overlay, state, appDir, overlayChanged, parent);
    if (!state.CurrentTexturePath.isEmpty())
        dialog.reloadTexture();
    else
        dialog.selectPattern(state.CurrentPattern);
    dialog.SpinEdit1->setValue(state.CurrentSkin.TextureTransparency);
    dialog.exec();
    state.CurrentSkin.TextureColor = overlay.Brush.Color;
}

} // namespace horavine
