#include "app/SystemFontCatalog.h"

#include <QFontDatabase>

namespace horavine {

bool SystemFontCatalog::hasFamily(const QString& family) const
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace horavine
