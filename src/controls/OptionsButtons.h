#pragma once

// The three fancy buttons of the options window: "Save skin as...", "Close the clock" and "Done".

#include <QImage>

namespace horavine {

class TDsFancyButton;

enum class OptionsButton { SaveSkin, CloseClock, Done };

// Gives the button its caption, object name (sbSaveSettings, bbClose, bbDone), fixed size, look,
// font and glyph. The caller creates it, places it and connects clicked().
void StyleOptionsButton(TDsFancyButton& button, OptionsButton which);

// The button's 20 x 20 glyph: one cell whose bottom-left pixel holds the colour that stays clear.
QImage OptionsButtonGlyph(OptionsButton which);

} // namespace horavine
