#include "common/AppDir.h"

#include <QCoreApplication>
#include <QDir>

namespace horavine {

QChar AppDir::separator()
{
    return QDir::separator();
}

AppDir::AppDir(const QString& folder)
    : m_path(QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath())))
{
    if (!m_path.endsWith(separator()))
        m_path += separator();
}

AppDir AppDir::ofExecutable()
{
    return AppDir(QCoreApplication::applicationDirPath());
}

} // namespace horavine
