#pragma once

#include "face/ClockSkin.h"

#include <QString>

namespace horavine {

// The skin the application is showing, and the texture now on its overlay. Held by the
// application and handed to whoever reads or changes it, so tests can run several side by side.
struct SkinState
{
    TClockSkin CurrentSkin = DefaultSkin();
    QString CurrentSkinPath; // as last given to LoadSkin or chosen in "Save skin as..."
    int CurrentPattern = 0;
    QString CurrentTexturePath; // empty while a pattern is on the overlay
};

} // namespace horavine
