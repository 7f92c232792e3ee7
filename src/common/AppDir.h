#pragma once

#include <QString>

namespace horavine {

// The folder of the application: skins, textures, fonts, alarms and the settings file lie
// under it. Always ends with the platform's separator, so names are appended directly.
class AppDir
{
public:
    explicit AppDir(const QString& folder);
    static AppDir ofExecutable(); // needs a QCoreApplication

    const QString& path() const { return m_path; }
    QString file(const QString& name) const { return m_path + name; }
    QString folder(const QString& name) const { return m_path + name + separator(); }

    QString skinsFolder() const { return folder(QStringLiteral("Skins")); }
    QString texturesFolder() const { return folder(QStringLiteral("Textures")); }
    QString fontsFolder() const { return folder(QStringLiteral("Fonts")); }
    QString alarmFolder() const { return folder(QStringLiteral("Alarm")); }

    static QChar separator();

private:
    QString m_path;
};

} // namespace horavine
