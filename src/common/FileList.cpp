#include "common/FileList.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace horavine {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Iterative match with backtracking to the last '*': linear in practice, and no recursion that a
// long mask of stars could blow up.
bool wildcardMatch(const QString& name, const QString& mask)
{
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype starMask = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == QLatin1Char('*')) {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == QLatin1Char('?') || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == QLatin1Char('*'))
        ++m;
    return m == mask.size();
}

bool isHidden(const QFileInfo& info)
{
    return info.fileName().startsWith(QLatin1Char('.')) || info.isHidden();
}

// Without QDir::Hidden and QDir::System the iterator already leaves out dot names, sockets,
// pipes, devices and broken links; the explicit test keeps hidden entries out wherever the
// platform marks them some other way.
template <typename Accept>
bool listEntries(const QString& folder, QDir::Filters filters, QStringList& list, Accept accept)
{
    list.clear();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QDirIterator it(folder, filters | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!isHidden(info) && accept(info.fileName()))
            list.append(info.fileName());
    }
    return true;
}

} // namespace

bool MatchesMask(const QString& name, const QString& mask)
{
    if (wildcardMatch(name, mask))
        return true;
    return mask.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.'))
        && wildcardMatch(name, mask.chopped(2));
}

bool ListFiles(const QString& folder, const QString& mask, QStringList& list)
{
    return listEntries(folder, QDir::Files, list, [&mask](const QString& name) { return MatchesMask(name, mask); });
}

bool ListFolders(const QString& folder, QStringList& list)
{
    return listEntries(folder, QDir::Dirs, list, [](const QString&) { return true; });
}

} // namespace horavine
