#pragma once

#include "face/FontCatalog.h"

namespace horavine {

// The families the font database knows now, the skin fonts added at start-up included.
// Asked afresh each time, so fonts added or removed later are seen. Needs a QGuiApplication.
class SystemFontCatalog : public FontCatalog
{
public:
    bool hasFamily(const QString& family) const override;
};

} // namespace horavine
