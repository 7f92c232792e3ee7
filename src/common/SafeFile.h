#pragma once

#include <QByteArray>
#include <QString>

namespace horavine {

// Replaces the file's contents as a whole: the bytes go to a temporary file in the same
// folder, which is renamed over the old file only when every byte is written. A failure
// (disk full, no access, a crash half-way) leaves the old file as it was.
// Throws IoError with the file's name and the reason.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Reads at most maxBytes from the start of the file (all of it when maxBytes < 0).
// Throws IoError when the file cannot be opened or read.
QByteArray ReadFileBytes(const QString& path, qint64 maxBytes = -1);

} // namespace horavine
