#pragma once

// Folder listings for the galleries and the random skin: bare names, in the order the file
// system returns them (never sorted), without hidden entries.

#include <QString>
#include <QStringList>

namespace horavine {

// Empties list; false when the folder does not exist. Otherwise appends the names of the files
// in it that match mask ('*' any run, '?' one character, letter case ignored) and returns true.
// Read-only files are listed; hidden ones, folders and special files are not.
bool ListFiles(const QString& folder, const QString& mask, QStringList& list);

// Empties list; false when the folder does not exist. Otherwise appends the names of its
// subfolders, without "." and ".." and without hidden ones, and returns true.
bool ListFolders(const QString& folder, QStringList& list);

// The file search's mask matching: a mask ending in ".*" also matches names without a dot,
// so "*.*" matches every name.
bool MatchesMask(const QString& name, const QString& mask);

} // namespace horavine
