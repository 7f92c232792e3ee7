#pragma once

#include <QByteArray>
#include <QString>

namespace horavine {

// The desktop's autostart entry ($XDG_CONFIG_HOME/autostart/horavine.desktop) that starts the
// clock with the session.
class AutostartEntry
{
public:
    // configHome is $XDG_CONFIG_HOME and counts only when absolute; otherwise ~/.config.
    AutostartEntry(const QString& configHome, const QString& home);
    static AutostartEntry current();

    const QString& path() const { return m_path; }
    // The entry exists and the desktop was not told to skip it (Hidden=true).
    bool isOn() const;
    // Throw IoError with the file's name and the reason.
    void turnOn(const QString& executable) const;
    void turnOff() const;

    static QByteArray entryText(const QString& executable);
    // The executable as one argument of an Exec key: quoted where the desktop would split or
    // expand it, then escaped as a string value.
    static QString execArgument(const QString& executable);

private:
    QString m_path;
};

} // namespace horavine
