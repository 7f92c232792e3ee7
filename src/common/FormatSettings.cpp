#include "common/FormatSettings.h"

namespace horavine {

namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// Text that must come out exactly as written: wrapped in single quotes, with a single quote
// itself written inside double quotes (our quotes have no escape).
void appendLiteral(QString& out, const QString& text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype quote = text.indexOf(QLatin1Char('\''), start);
        const qsizetype end = quote < 0 ? text.size() : quote;
        if (end > start)
            out += QLatin1Char('\'') + text.mid(start, end - start) + QLatin1Char('\'');
        if (quote < 0)
            break;
        out += QLatin1String("\"'\"");
        start = quote + 1;
    }
}

// Appends a token. Two tokens of the same letter side by side would read as one longer run
// ("ss" then "s"), so an empty quoted text keeps them apart.
void appendToken(QString& out, QChar letter, int count)
{
    if (!out.isEmpty() && out.back() == letter)
        out += QLatin1String("''");
    out += QString(count, letter);
}

// Qt's quoted text starting at the quote at pos: "''" stands for one quote, inside or outside
// quoted text; an unclosed quote runs to the end. Moves pos past the closing quote.
QString readQtQuoted(const QString& format, qsizetype& pos)
{
    ++pos;
    if (pos < format.size() && format[pos] == QLatin1Char('\'')) {
        ++pos;
        return QStringLiteral("'");
    }
    QString text;
    while (pos < format.size()) {
        if (format[pos] == QLatin1Char('\'')) {
            if (pos + 1 < format.size() && format[pos + 1] == QLatin1Char('\'')) {
                text += QLatin1Char('\'');
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        text += format[pos++];
    }
    return text;
}

// Drops Qt's time-zone token at pos together with the blank (and the brackets or comma) that
// only serve to set it off from the time.
void dropTimeZone(const QString& format, qsizetype& pos, QString& out)
{
    const bool bracketed = pos > 0 && pos + 1 < format.size() && !out.isEmpty() && out.back() == format[pos - 1]
        && (format[pos - 1] == QLatin1Char('(') || format[pos - 1] == QLatin1Char('['))
        && (format[pos + 1] == QLatin1Char(')') || format[pos + 1] == QLatin1Char(']'));
    if (bracketed) {
        out.chop(1);
        pos += 2;
    } else {
        pos += 1;
    }
    if (out.trimmed().isEmpty()) {
        out.clear();
        while (pos < format.size() && format[pos].isSpace())
            ++pos;
        return;
    }
    if (!out.back().isSpace())
        return;
    while (!out.isEmpty() && out.back().isSpace())
        out.chop(1);
    if (out.endsWith(QLatin1Char(','))) {
        out.chop(1);
        while (!out.isEmpty() && out.back().isSpace())
            out.chop(1);
    }
}

// The regional separator: the first character that directly follows a field of the short
// format (fields are the letters given) and is not a letter, mark, blank or quote. Taking simply
// the first non-letter would pick the blank of "AP h:mm" and print every ':' as a blank.
// Direction marks that right-to-left locales put around the separator are passed over.
QString separatorOf(const QString& qtFormat, QStringView fields, const char* fallback)
{
    bool afterField = false;
    qsizetype pos = 0;
    while (pos < qtFormat.size()) {
        const QChar c = qtFormat[pos];
        if (c == QLatin1Char('\'')) {
            readQtQuoted(qtFormat, pos);
            afterField = false;
            continue;
        }
        ++pos;
        if (fields.contains(c)) {
            afterField = true;
        } else if (c.category() != QChar::Other_Format) {
            if (afterField && !c.isLetter() && !c.isMark() && !c.isSpace() && c != QLatin1Char('"'))
                return QString(c);
            afterField = false;
        }
    }
    return QString::fromLatin1(fallback);
}

} // namespace

QString PatternFromQtFormat(const QString& qtFormat)
{
    QString out;
    qsizetype pos = 0;
    while (pos < qtFormat.size()) {
        const QChar c = qtFormat[pos];
        if (c == QLatin1Char('\'')) {
            appendLiteral(out, readQtQuoted(qtFormat, pos));
            continue;
        }
        int run = 1;
        while (pos + run < qtFormat.size() && qtFormat[pos + run] == c)
            ++run;
        // Each case takes as many letters of the run as Qt's own token does; the rest of the
        // run is read again as a token of its own, the way Qt reads it.
        int used = 1;
        switch (c.unicode()) {
        case 'd':
            used = qMin(run, 4);
            appendToken(out, QLatin1Char('d'), used);
            break;
        case 'M':
            used = qMin(run, 4);
            appendToken(out, QLatin1Char('m'), used);
            break;
        case 'y':
            if (run >= 4) {
                used = 4;
                appendToken(out, QLatin1Char('y'), 4);
            } else if (run >= 2) {
                used = 2;
                appendToken(out, QLatin1Char('y'), 2);
            } else {
                appendLiteral(out, QStringLiteral("y"));
            }
            break;
        case 'h':
        case 'H':
            used = qMin(run, 2);
            appendToken(out, QLatin1Char('h'), used);
            break;
        case 'm':
            used = qMin(run, 2);
            appendToken(out, QLatin1Char('n'), used);
            break;
        case 's':
            used = qMin(run, 2);
            appendToken(out, QLatin1Char('s'), used);
            break;
        case 'z':
            used = run >= 3 ? 3 : 1;
            appendToken(out, QLatin1Char('z'), used);
            break;
        case 'a':
        case 'A': {
            const bool withP = pos + 1 < qtFormat.size()
                && (qtFormat[pos + 1] == QLatin1Char('p') || qtFormat[pos + 1] == QLatin1Char('P'));
            used = withP ? 2 : 1;
            out += QLatin1String("AMPM");
            break;
        }
        case 't':
            dropTimeZone(qtFormat, pos, out);
            continue;
        case '"':
            appendLiteral(out, QString(c));
            break;
        default:
            // Qt copies any other letter as it stands; in our patterns it could be a token.
            if (isAsciiLetter(c))
                appendLiteral(out, QString(c));
            else
                out += c;
            break;
        }
        pos += used;
    }
    return out;
}

FormatSettings FormatSettings::fromLocale(const QLocale& locale)
{
    FormatSettings s;
    for (int i = 0; i < 12; ++i) {
        s.shortMonthNames[i] = locale.monthName(i + 1, QLocale::ShortFormat);
        s.longMonthNames[i] = locale.monthName(i + 1, QLocale::LongFormat);
    }
    for (int i = 0; i < 7; ++i) {
        s.shortDayNames[i] = locale.dayName(i + 1, QLocale::ShortFormat);
        s.longDayNames[i] = locale.dayName(i + 1, QLocale::LongFormat);
    }
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    s.dateSeparator = separatorOf(shortDate, u"dMy", "/");
    s.timeSeparator = separatorOf(shortTime, u"hHms", ":");
    s.timeAMString = locale.amText();
    s.timePMString = locale.pmText();
    s.shortDateFormat = PatternFromQtFormat(shortDate);
    s.longDateFormat = PatternFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    s.shortTimeFormat = PatternFromQtFormat(shortTime);
    s.longTimeFormat = PatternFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    // Qt knows no era names; every calendar it gives us here is Gregorian.
    s.eraName = QStringLiteral("A.D.");
    return s;
}

} // namespace horavine
