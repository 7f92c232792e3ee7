#pragma once

#include <QString>

namespace horavine {

// What loading a skin asks of the windows. The skin layer has no widgets; the clock and the
// options window override these, tests record them.
class SkinHooks
{
public:
    virtual ~SkinHooks() = default;

    // While the options window fills its controls from the skin, their change handlers must
    // not load another one.
    virtual bool isFillingControls() const { return false; }
    virtual void refillSkinControls() { } // only when the options window is visible
    virtual void rebuildFace() { } // RebuildFace
    virtual void showActiveSkin(const QString& /*name*/) { }
    virtual void reportMissingFont(const QString& /*message*/) { } // shown only in diagnostic mode
};

} // namespace horavine
