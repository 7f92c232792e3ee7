#pragma once

// File-name parts of paths stored in records and settings. Such paths may come from
// Windows installs, so both '\' and '/' separate folders on every platform.

#include <QString>

namespace horavine {

bool IsPathSeparator(QChar c);
// True when the path holds a separator or starts with a drive letter and a colon.
bool HasFolderPart(const QString& path);
QString ExtractFileName(const QString& path); // after the last separator (or drive colon)
QString ExtractFilePath(const QString& path); // up to and including the last separator (or drive colon)
QString ExtractFileExt(const QString& path); // from the last dot of the name, "" when none
QString ChangeFileExt(const QString& path, const QString& ext);
QString FileNameWithoutExt(const QString& path);

} // namespace horavine
