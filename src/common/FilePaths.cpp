#include "common/FilePaths.h"

namespace horavine {

namespace {

bool hasDrive(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128;
}

// Index of the first character of the name part.
qsizetype nameStart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsPathSeparator(path[i]))
            return i + 1;
    }
    return hasDrive(path) ? 2 : 0;
}

qsizetype extStart(const QString& path)
{
    const qsizetype start = nameStart(path);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= start ? dot : path.size();
}

} // namespace

bool IsPathSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool HasFolderPart(const QString& path)
{
    return hasDrive(path) || path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'));
}

QString ExtractFileName(const QString& path)
{
    return path.mid(nameStart(path));
}

QString ExtractFilePath(const QString& path)
{
    return path.left(nameStart(path));
}

QString ExtractFileExt(const QString& path)
{
    return path.mid(extStart(path));
}

QString ChangeFileExt(const QString& path, const QString& ext)
{
    return path.left(extStart(path)) + ext;
}

QString FileNameWithoutExt(const QString& path)
{
    const QString name = ExtractFileName(path);
    return ChangeFileExt(name, QString());
}

} // namespace horavine
