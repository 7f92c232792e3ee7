// The settings file: the clock's start-up reads, then reads of every key type and writes for the
// sections and keys the file itself names, however it spells them.

#include "FuzzSupport.h"
#include "app/ClockSettings.h"
#include "common/IniFile.h"
#include "common/IoError.h"
#include "common/ShortString.h"

#include <QList>
#include <utility>

using namespace horavine;

namespace {

// Every read parses the whole file again; a handful of names reaches every rule.
constexpr qsizetype kNamesTried = 12;

using Name = std::pair<QString, QString>; // section, key

// The section and key names of the file, found the plain way: a line "[name]" opens a section, a
// line with '=' names a key. Deliberately simpler than the reader, so the two can disagree.
QList<Name> namesIn(const QByteArray& bytes)
{
    QList<Name> names;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = DecodeRecordText(raw.constData(), int(raw.size())).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.indexOf(QLatin1Char(']')) > 0) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1).trimmed();
        } else if (const qsizetype equals = line.indexOf(QLatin1Char('=')); equals >= 0) {
            names.append({section, line.left(equals).trimmed()});
        }
        if (names.size() >= kNamesTried)
            break;
    }
    if (names.isEmpty())
        names.append({QStringLiteral("Default"), QStringLiteral("Skin")});
    return names;
}

// Names a write can store so that a read finds them again: no line breaks, no '=' in a key, no
// ']' in a section, and not a line that would read as a comment or a section.
bool writable(const Name& name)
{
    const auto& [section, key] = name;
    for (const QString& text : {section, key}) {
        if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
            return false;
    }
    return !section.contains(QLatin1Char(']')) && !key.contains(QLatin1Char('=')) && !key.startsWith(QLatin1Char(';'))
        && !key.startsWith(QLatin1Char('['));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::WriteInput(data, size, QStringLiteral("horavine.ini"));
    IniFile ini(path);

    const StartupSettings startup = ReadStartupSettings(ini);
    if (startup.digFrm < -1 || startup.digFrm > 1)
        fuzz::Fail("the read-out format is outside the radio group");
    if (startup.digFrmAMPM.size() > IniFile::kMaxValueLength || startup.skin.size() > IniFile::kMaxValueLength)
        fuzz::Fail("a read returned more than the longest value");

    const QList<Name> names = namesIn(bytes);
    for (const auto& [section, key] : names) {
        ini.ReadString(section, key, QString());
        ini.ReadInteger(section, key, -7);
        ini.ReadBool(section, key, true);
    }

    // A write replaces or adds that one key; every other key reads as before.
    const Name& target = names.front();
    if (!writable(target))
        return 0;
    const Name& other = names.back();
    const bool sameKey = QString::compare(other.first, target.first, Qt::CaseInsensitive) == 0
        && QString::compare(other.second, target.second, Qt::CaseInsensitive) == 0;
    const QString otherBefore = ini.ReadString(other.first, other.second, QStringLiteral("<none>"));
    try {
        ini.WriteString(target.first, target.second, QStringLiteral("written value"));
        if (ini.ReadString(target.first, target.second, QString()) != QLatin1String("written value"))
            fuzz::Fail("a written string did not read back");
        ini.WriteInteger(target.first, target.second, -12345);
        if (ini.ReadInteger(target.first, target.second, 0) != -12345)
            fuzz::Fail("a written integer did not read back");
        ini.WriteBool(target.first, target.second, false);
        if (ini.ReadBool(target.first, target.second, true))
            fuzz::Fail("a written bool did not read back");
    } catch (const IoError&) {
        fuzz::Fail("the settings file could not be written");
    }
    if (!sameKey && ini.ReadString(other.first, other.second, QStringLiteral("<none>")) != otherBefore)
        fuzz::Fail("a write changed another key");
    return 0;
}
