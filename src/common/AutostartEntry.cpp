#include "common/AutostartEntry.h"

#include "common/IniFile.h"
#include "common/IoError.h"
#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace horavine {

AutostartEntry::AutostartEntry(const QString& configHome, const QString& home)
{
    const QString base = QDir::isAbsolutePath(configHome) ? configHome : QDir(home).filePath(QStringLiteral(".config"));
    m_path = QDir::cleanPath(QDir(base).filePath(QStringLiteral("autostart/horavine.desktop")));
}

AutostartEntry AutostartEntry::current()
{
    return AutostartEntry(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

bool AutostartEntry::isOn() const
{
    if (!QFileInfo(m_path).isFile())
        return false;
    const QString hidden = IniFile(m_path).ReadString(QStringLiteral("Desktop Entry"), QStringLiteral("Hidden"), {});
    return hidden.trimmed() != QLatin1String("true");
}

void AutostartEntry::turnOn(const QString& executable) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw IoError(QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));
    WriteFileAtomically(m_path, entryText(executable));
}

void AutostartEntry::turnOff() const
{
    QFile entry(m_path);
    if (QFileInfo(m_path).isSymLink() || entry.exists()) {
        if (!entry.remove())
            throw IoError(
                QStringLiteral("Cannot remove %1: %2").arg(QDir::toNativeSeparators(m_path), entry.errorString()));
    }
}

QString AutostartEntry::execArgument(const QString& executable)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (QChar c : executable)
        quote = quote || reserved.contains(c);
    QString argument;
    for (QChar c : executable) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            argument += u'\\';
        argument += c;
        if (c == u'%') // a field code otherwise
            argument += u'%';
    }
    if (quote)
        argument = u'"' + argument + u'"';
    // The key's value is a string: its own escapes come on top of the quoting.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    argument.replace(u'\n', QStringLiteral("\\n"));
    argument.replace(u'\t', QStringLiteral("\\t"));
    argument.replace(u'\r', QStringLiteral("\\r"));
    return argument;
}

QByteArray AutostartEntry::entryText(const QString& executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Horavine\n"
                          "Comment=Skinnable desktop clock with alarms and a timer\n"
                          "Exec=%1\n"
                          "Icon=horavine\n"
                          "Terminal=false\n")
        .arg(execArgument(executable))
        .toUtf8();
}

} // namespace horavine
