#include "alarms/ui/DesktopDocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace horavine {

bool DesktopDocumentOpener::open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace horavine
