#pragma once

#include "alarms/DocumentOpener.h"

namespace horavine {

// Opens a document with the program the desktop associates with its type; the desktop starts that
// program on its own, so this returns at once.
class DesktopDocumentOpener : public DocumentOpener
{
public:
    bool open(const QString& path) override;
};

} // namespace horavine
