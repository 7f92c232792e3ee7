#include "common/IniFile.h"

#include "common/IoError.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"
#include "common/ShortString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace horavine {

namespace {

// The file is handled as bytes so that a write can keep every line it does not change exactly as
// found: line endings, comments, unknown keys and text in other encodings included.

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomSize = 3;

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct IniLine
{
    qsizetype begin = 0; // first byte of the line
    qsizetype contentEnd = 0; // first byte of its line ending
    qsizetype end = 0; // first byte after its line ending
    qsizetype valueBegin = 0; // entries: first byte of the value, after '=' and the blanks behind it
    LineKind kind = LineKind::Blank;
    QString name; // section or key name, without surrounding blanks
    QString value; // entries: the value, without surrounding blanks
};

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

IniLine parseLine(const QByteArray& bytes, qsizetype begin, qsizetype contentEnd, qsizetype end)
{
    IniLine line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.end = end;

    // Only the file's start holds byte order marks, and an editor may have doubled it there; every
    // other U+FEFF is text.
    qsizetype contentBegin = begin;
    while (begin == 0 && QByteArrayView(bytes).sliced(contentBegin).startsWith(kUtf8Bom))
        contentBegin += kUtf8BomSize;
    // Each line decodes on its own: a file from an older install keeps its Windows-1252 lines
    // after new UTF-8 values have been written into it.
    const QString text = DecodeRecordText(bytes.constData() + contentBegin, int(contentEnd - contentBegin)).trimmed();

    if (text.isEmpty())
        return line;
    if (text.startsWith(QLatin1Char(';'))) {
        line.kind = LineKind::Comment;
        return line;
    }
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = text.mid(1, close - 1).trimmed();
            return line;
        }
    }
    if (!text.contains(QLatin1Char('='))) {
        line.kind = LineKind::Other;
        return line;
    }
    // '=' is ASCII, so its first byte is its first character in UTF-8 and Windows-1252 alike. Name
    // and value decode on their own: a value rewritten in UTF-8 must not change how the name
    // before it reads, or the key could no longer be found.
    const qsizetype equalsByte = bytes.indexOf('=', contentBegin);
    line.kind = LineKind::Entry;
    line.name = DecodeRecordText(bytes.constData() + contentBegin, int(equalsByte - contentBegin)).trimmed();
    line.value = DecodeRecordText(bytes.constData() + equalsByte + 1, int(contentEnd - equalsByte - 1)).trimmed();
    qsizetype pos = equalsByte + 1;
    while (pos < contentEnd && (bytes[pos] == ' ' || bytes[pos] == '\t'))
        ++pos;
    line.valueBegin = pos;
    return line;
}

QList<IniLine> parseIni(const QByteArray& bytes)
{
    QList<IniLine> lines;
    qsizetype begin = 0;
    const qsizetype size = bytes.size();
    while (begin < size) {
        qsizetype contentEnd = begin;
        while (contentEnd < size && !isLineBreak(bytes[contentEnd]))
            ++contentEnd;
        qsizetype end = contentEnd;
        if (end < size) {
            if (bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
                end += 2;
            else
                ++end;
        }
        lines.append(parseLine(bytes, begin, contentEnd, end));
        begin = end;
    }
    return lines;
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

struct Location
{
    qsizetype section = -1; // the first section of that name
    qsizetype entry = -1; // the first entry of that key in it
    qsizetype lastContent = -1; // the section's last line that is neither blank nor a comment
};

Location locate(const QList<IniLine>& lines, const QString& section, const QString& key)
{
    Location at;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine& line = lines[i];
        if (line.kind == LineKind::Section) {
            if (at.section >= 0)
                break;
            if (sameName(line.name, section)) {
                at.section = i;
                at.lastContent = i;
            }
            continue;
        }
        if (at.section < 0 || line.kind == LineKind::Blank || line.kind == LineKind::Comment)
            continue;
        at.lastContent = i;
        if (line.kind == LineKind::Entry && sameName(line.name, key)) {
            at.entry = i;
            break;
        }
    }
    return at;
}

// New lines follow the file's own line endings.
QByteArray lineEndingOf(const QList<IniLine>& lines, const QByteArray& bytes)
{
    for (const IniLine& line : lines) {
        if (line.end > line.contentEnd)
            return bytes.mid(line.contentEnd, line.end - line.contentEnd);
    }
    return QByteArrayLiteral("\n");
}

// A line break inside a written text would start a new line, which could open a section of its
// own; the text is cut there, which is also all that a later read would see of it.
QByteArray singleLine(const QString& text)
{
    qsizetype cut = 0;
    while (cut < text.size() && text[cut] != QLatin1Char('\r') && text[cut] != QLatin1Char('\n'))
        ++cut;
    return text.left(cut).toUtf8();
}

bool readWholeFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

QString withoutQuotes(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

QString cutToReadLimit(const QString& value)
{
    if (value.size() <= IniFile::kMaxValueLength)
        return value;
    qsizetype cut = IniFile::kMaxValueLength;
    if (value[cut - 1].isHighSurrogate())
        --cut;
    return value.left(cut);
}

} // namespace

IniFile::IniFile(const QString& path)
    : m_path(path)
{
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    if (!QFileInfo(m_path).isFile())
        return def;
    QByteArray bytes;
    if (!readWholeFile(m_path, bytes))
        return def;
    const QList<IniLine> lines = parseIni(bytes);
    const Location at = locate(lines, section.trimmed(), key.trimmed());
    if (at.entry < 0)
        return def;
    return cutToReadLimit(withoutQuotes(lines[at.entry].value));
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    QString text = ReadString(section, key, QString());
    if (text.size() > 2 && text[0] == QLatin1Char('0') && (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X')))
        text = QLatin1Char('$') + text.mid(2);
    return ParseInteger(text).value_or(def);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QFileInfo info(m_path);
    const IoError refused(QCoreApplication::translate("Files", "Unable to write to %1")
                              .arg(QDir::toNativeSeparators(info.absoluteFilePath())));

    QByteArray bytes;
    if (info.exists() && (!info.isFile() || !readWholeFile(m_path, bytes)))
        throw refused;

    const QList<IniLine> lines = parseIni(bytes);
    const QByteArray eol = lineEndingOf(lines, bytes);
    const QByteArray sectionName = singleLine(section.trimmed());
    const QByteArray keyName = singleLine(key.trimmed());
    const QByteArray valueText = singleLine(value);
    // Looked up as a read will decode them (QString::fromUtf8 would drop a leading U+FEFF, and the
    // key would then be added again at every write instead of replaced).
    const Location at = locate(lines, DecodeRecordText(sectionName.constData(), int(sectionName.size())),
                               DecodeRecordText(keyName.constData(), int(keyName.size())));

    QByteArray out;
    if (at.entry >= 0) {
        const IniLine& line = lines[at.entry];
        out = bytes.left(line.valueBegin) + valueText + bytes.mid(line.contentEnd);
    } else if (at.section >= 0) {
        const IniLine& line = lines[at.lastContent];
        QByteArray added = keyName + '=' + valueText + eol;
        if (line.end == line.contentEnd) // the file's last line, without a line ending
            added.prepend(eol);
        out = bytes.left(line.end) + added + bytes.mid(line.end);
    } else {
        out = bytes;
        if (!out.isEmpty() && !isLineBreak(out.back()))
            out += eol;
        out += '[' + sectionName + ']' + eol + keyName + '=' + valueText + eol;
    }

    try {
        WriteFileAtomically(m_path, out);
    } catch (const IoError&) {
        throw refused;
    }
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace horavine
