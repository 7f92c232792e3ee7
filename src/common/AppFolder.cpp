#include "common/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <utility>

namespace horavine {

namespace {

const char kDefaultSkin[] = "default.clk";
const char kShippedData[] = "../share/horavine";

bool holdsDefaultSkin(const QString& folder)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(kDefaultSkin))).isFile();
}

// A read-only portable folder holds the programs too; the user's copy needs only the data.
QStringList executableNames()
{
    return {QStringLiteral("horavine"), QStringLiteral("horavine-cli"), QStringLiteral("horavine.exe"),
            QStringLiteral("horavine-cli.exe")};
}

} // namespace

AppFolder::Place AppFolder::currentPlace()
{
    Place place;
    place.executableFolder = QCoreApplication::applicationDirPath();
    place.dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    place.home = QDir::homePath();
    return place;
}

bool AppFolder::CanWriteFolder(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".horavine-probe-XXXXXX")));
    return probe.open();
}

AppFolder::AppFolder(Place place)
    : m_place(std::move(place))
{
    if (!m_place.canWrite)
        m_place.canWrite = CanWriteFolder;
}

bool AppFolder::isPortable() const
{
    return holdsDefaultSkin(m_place.executableFolder) && m_place.canWrite(m_place.executableFolder);
}

QString AppFolder::userFolder() const
{
    // A relative XDG_DATA_HOME is invalid and is to be ignored.
    const QString base = QDir::isAbsolutePath(m_place.dataHome)
        ? m_place.dataHome
        : QDir(m_place.home).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("horavine")));
}

bool AppFolder::shipsFromExecutableFolder() const
{
    const QString installed = QDir(m_place.executableFolder).filePath(QString::fromLatin1(kShippedData));
    return !QFileInfo(installed).isDir() && holdsDefaultSkin(m_place.executableFolder);
}

QString AppFolder::shippedFolder() const
{
    if (shipsFromExecutableFolder())
        return QDir::cleanPath(QDir(m_place.executableFolder).absolutePath());
    return QDir::cleanPath(QDir(m_place.executableFolder).absoluteFilePath(QString::fromLatin1(kShippedData)));
}

AppDir AppFolder::prepare(QStringList& problems) const
{
    if (isPortable())
        return AppDir(m_place.executableFolder);

    const QString user = userFolder();
    const QString shipped = shippedFolder();
    if (!QDir().mkpath(user)) {
        problems.append(QCoreApplication::translate(
                            "AppFolder", "Cannot create the folder %1; the clock runs from %2 and cannot save")
                            .arg(QDir::toNativeSeparators(user), QDir::toNativeSeparators(shipped)));
        return AppDir(shipped);
    }
    const QStringList skipped = shipsFromExecutableFolder() ? executableNames() : QStringList();
    if (QFileInfo(shipped).isDir())
        CopyMissingFiles(shipped, user, problems, skipped);
    if (!holdsDefaultSkin(user))
        problems.append(QCoreApplication::translate("AppFolder", "No shipped data at %1: %2 has no default skin")
                            .arg(QDir::toNativeSeparators(shipped), QDir::toNativeSeparators(user)));
    return AppDir(user);
}

AppDir AppFolder::locate() const
{
    if (isPortable())
        return AppDir(m_place.executableFolder);
    const QString user = userFolder();
    if (!QFileInfo(user).isDir() && holdsDefaultSkin(shippedFolder()))
        return AppDir(shippedFolder());
    return AppDir(user);
}

int CopyMissingFiles(const QString& from, const QString& to, QStringList& problems, const QStringList& skipped)
{
    const QDir source(from);
    int copied = 0;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (skipped.contains(relative.section(QLatin1Char('/'), 0, 0)))
            continue;
        const QString target = QDir(to).filePath(relative);
        // A dangling link is "missing" to exists(); it is the user's all the same.
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        const QString folder = QFileInfo(target).absolutePath();
        QFile in(file);
        if (!QDir().mkpath(folder) || !in.copy(target)) {
            problems.append(
                QCoreApplication::translate("AppFolder", "Cannot copy %1 to %2: %3")
                    .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(target), in.errorString()));
            continue;
        }
        QFile out(target);
        out.setPermissions(out.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        ++copied;
    }
    return copied;
}

} // namespace horavine
