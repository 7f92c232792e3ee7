#include "app/ChannelFolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace horavine {

namespace {

bool statNoFollow(const QString& path, struct stat& info)
{
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Inside a folder that others may write to, only the sticky bit keeps them from renaming our
// folder away and putting theirs in its place.
bool parentKeepsOurNames(const QString& parent)
{
    struct stat info
    {
    };
    if (!statNoFollow(parent, info) || !S_ISDIR(info.st_mode))
        return false;
    const bool othersWrite = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersWrite || (info.st_mode & S_ISVTX) != 0;
}

// Makes the folder when it is missing; a folder that is there already must be ours and private.
QString usable(const QString& path)
{
    if (path.size() > ChannelFolder::kMaxPathLength)
        return {};
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return ChannelFolder::isPrivate(path) ? path : QString();
}

} // namespace

bool ChannelFolder::isPrivate(const QString& path)
{
    struct stat info
    {
    };
    if (!statNoFollow(path, info))
        return false;
    // A folder of ours that was opened to others is not made private again: someone may have
    // put names of their own in it meanwhile.
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString ChannelFolder::locate(const QString& runtimeDir, const QString& tempDir)
{
    if (QDir::isAbsolutePath(runtimeDir) && isPrivate(runtimeDir)) {
        const QString inRuntime = usable(QDir::cleanPath(runtimeDir) + QStringLiteral("/horavine"));
        if (!inRuntime.isEmpty())
            return inRuntime;
    }
    if (!QDir::isAbsolutePath(tempDir) || !parentKeepsOurNames(tempDir))
        return {};
    const QString base = QDir::cleanPath(tempDir) + QStringLiteral("/horavine-") + QString::number(::geteuid());
    for (int i = 0; i < kTempCandidates; ++i) {
        const QString candidate = usable(i == 0 ? base : base + QLatin1Char('.') + QString::number(i));
        if (!candidate.isEmpty())
            return candidate;
    }
    return {};
}

QString ChannelFolder::forCurrentUser()
{
    return locate(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

} // namespace horavine
