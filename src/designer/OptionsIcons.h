#pragma once

#include <QIcon>

namespace horavine {

// Small pictures of the options window, drawn here so nothing needs shipping: the four tabs and
// the glyphs of the " Texture" and "  Take a picture" buttons.
enum class OptionsIcon { Design, Galleries, Alarms, Help, Texture, Camera };

QIcon MakeOptionsIcon(OptionsIcon which);

} // namespace horavine
