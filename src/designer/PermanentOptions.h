#pragma once

// The options window's permanent options as values: the clock fills the window's controls from
// them and reads them back, and keeps them in this form until that window is first built.

#include <QString>

namespace horavine {

struct PermanentOptions
{
    bool randomSkin = false; // chkRandomSkin
    QString randomSkinGallery; // cbRandomSkinGallery's text: "" while none is selected
    bool lastPos = true; // chkLastPos
    bool keepSize = true; // chkKeepSize
    bool stayOnTop = false; // chkStayOnTop
    int digFormat = 0; // rgDigFormat: -1 none, 0 AM/PM, 1 24-hour
};

} // namespace horavine
