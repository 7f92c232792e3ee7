#pragma once

#include <QString>
#include <QStringList>

namespace horavine {

// The help pages' captions ("Navigation", "Skin Design", "Alarms") and their texts, line by line
// as the read-only boxes hold them.
QStringList HelpPageCaptions();
QString HelpPageText(int page);

} // namespace horavine
