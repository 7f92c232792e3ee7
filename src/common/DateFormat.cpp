#include "common/DateFormat.h"

#include <cstdlib>

namespace horavine {

namespace {

// Expansions (c, ddddd, dddddd, t, tt) nest at most this deep, which also stops a regional
// format that names itself from recursing without end.
constexpr int kMaxLevel = 2;

// Only the ASCII letters are tokens; every other character, letters of other scripts included,
// is copied as it stands.
char16_t upperAscii(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 'a' && u <= 'z' ? char16_t(u - ('a' - 'A')) : u;
}

bool isAsciiLetter(char16_t upper)
{
    return upper >= 'A' && upper <= 'Z';
}

// True when text[at..] begins with word, ASCII letters compared without regard to case.
bool startsWithNoCase(const QString& text, qsizetype at, const char* word)
{
    for (qsizetype k = 0; word[k] != '\0'; ++k) {
        if (at + k >= text.size() || upperAscii(text[at + k]) != upperAscii(QLatin1Char(word[k])))
            return false;
    }
    return true;
}

bool beginsAmPmMarker(const QString& text, qsizetype at)
{
    return startsWithNoCase(text, at, "AM/PM") || startsWithNoCase(text, at, "A/P")
        || startsWithNoCase(text, at, "AMPM");
}

// At least `digits` digits, zero-padded; a negative value (years before the calendar's start)
// keeps its sign in front of the padding.
QString number(int value, int digits)
{
    const QString text = QString::number(std::abs(value)).rightJustified(digits, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + text : text;
}

class PatternWriter
{
public:
    PatternWriter(TDateTime moment, const FormatSettings& settings)
        : m_settings(settings)
    {
        DecodeDateTime(moment, m_date, m_time);
        // From the decoded (rounded) date, so the day name always agrees with the day shown.
        m_weekDay = DayOfTheWeek(DayNumber(m_date.year, m_date.month, m_date.day)) - 1;
    }

    void append(const QString& pattern, int level);
    const QString& result() const { return m_out; }

private:
    // Length of the run of `starter` that began just before `pos`; moves pos past it.
    // The run is of the exact character, so a change of letter case starts a new token.
    static int takeRun(const QString& pattern, qsizetype& pos, QChar starter)
    {
        int count = 1;
        while (pos < pattern.size() && pattern[pos] == starter) {
            ++pos;
            ++count;
        }
        return count;
    }

    // Looks on from just after an hour token for the am/pm marker that puts it on the 12-hour clock.
    static bool hourHasAmPmMarker(const QString& pattern, qsizetype pos)
    {
        bool betweenQuotes = false;
        for (; pos < pattern.size(); ++pos) {
            const char16_t c = upperAscii(pattern[pos]);
            if (c == 'A' && !betweenQuotes)
                return beginsAmPmMarker(pattern, pos);
            if (c == 'H')
                return false;
            if (c == '\'' || c == '"')
                betweenQuotes = !betweenQuotes;
        }
        return false;
    }

    void appendAToken(const QString& pattern, qsizetype& pos, bool& use12HourClock);

    const FormatSettings& m_settings;
    DateParts m_date;
    TimeParts m_time;
    int m_weekDay = 0; // 0 = Monday
    QString m_out;
};

void PatternWriter::append(const QString& pattern, int level)
{
    if (level > kMaxLevel)
        return;
    char16_t lastToken = ' ';
    bool use12HourClock = false;
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const QChar starter = pattern[pos++];
        char16_t token = upperAscii(starter);
        if (isAsciiLetter(token)) {
            if (token == 'M' && lastToken == 'H')
                token = 'N';
            lastToken = token;
        }
        switch (token) {
        case 'Y': {
            const int count = takeRun(pattern, pos, starter);
            if (count <= 2)
                m_out += number(m_date.year % 100, 2);
            else
                m_out += number(m_date.year, 4);
            break;
        }
        case 'M': {
            const int count = takeRun(pattern, pos, starter);
            if (count <= 2)
                m_out += number(m_date.month, count);
            else if (count == 3)
                m_out += m_settings.shortMonthNames[m_date.month - 1];
            else
                m_out += m_settings.longMonthNames[m_date.month - 1];
            break;
        }
        case 'D': {
            const int count = takeRun(pattern, pos, starter);
            switch (count) {
            case 1:
            case 2:
                m_out += number(m_date.day, count);
                break;
            case 3:
                m_out += m_settings.shortDayNames[m_weekDay];
                break;
            case 4:
                m_out += m_settings.longDayNames[m_weekDay];
                break;
            case 5:
                append(m_settings.shortDateFormat, level + 1);
                break;
            default:
                append(m_settings.longDateFormat, level + 1);
                break;
            }
            break;
        }
        case 'E': {
            const int count = takeRun(pattern, pos, starter);
            // The regional calendar is Gregorian, so the year of the era is the year itself.
            if (count <= 2) {
                QString year = number(m_date.year % 100, 2);
                if (count == 1 && year.startsWith(QLatin1Char('0')))
                    year.remove(0, 1);
                m_out += year;
            } else {
                m_out += number(m_date.year, 4);
            }
            break;
        }
        case 'G':
            takeRun(pattern, pos, starter);
            m_out += m_settings.eraName;
            break;
        case 'H': {
            const int count = takeRun(pattern, pos, starter);
            if (hourHasAmPmMarker(pattern, pos))
                use12HourClock = true;
            int hour = m_time.hour;
            if (use12HourClock) {
                if (hour == 0)
                    hour = 12;
                else if (hour > 12)
                    hour -= 12;
            }
            m_out += number(hour, qMin(count, 2));
            break;
        }
        case 'N':
            m_out += number(m_time.minute, qMin(takeRun(pattern, pos, starter), 2));
            break;
        case 'S':
            m_out += number(m_time.second, qMin(takeRun(pattern, pos, starter), 2));
            break;
        case 'Z':
            m_out += number(m_time.msec, qMin(takeRun(pattern, pos, starter), 3));
            break;
        case 'T':
            if (takeRun(pattern, pos, starter) == 1)
                append(m_settings.shortTimeFormat, level + 1);
            else
                append(m_settings.longTimeFormat, level + 1);
            break;
        case 'C':
            takeRun(pattern, pos, starter);
            append(m_settings.shortDateFormat, level + 1);
            if (m_time.hour != 0 || m_time.minute != 0 || m_time.second != 0) {
                m_out += QLatin1Char(' ');
                append(m_settings.longTimeFormat, level + 1);
            }
            break;
        case 'A':
            appendAToken(pattern, pos, use12HourClock);
            break;
        case '/':
            m_out += m_settings.dateSeparator;
            break;
        case ':':
            m_out += m_settings.timeSeparator;
            break;
        case '\'':
        case '"': {
            const qsizetype close = pattern.indexOf(starter, pos);
            const qsizetype end = close < 0 ? pattern.size() : close;
            m_out += QStringView(pattern).mid(pos, end - pos);
            pos = close < 0 ? end : close + 1;
            break;
        }
        default:
            m_out += starter;
            break;
        }
    }
}

// pos is just after the 'a'; the markers are copied in the letter case the pattern gives them.
void PatternWriter::appendAToken(const QString& pattern, qsizetype& pos, bool& use12HourClock)
{
    const qsizetype at = pos - 1;
    const bool afternoon = m_time.hour >= 12;
    if (startsWithNoCase(pattern, at, "AM/PM")) {
        m_out += QStringView(pattern).mid(afternoon ? at + 3 : at, 2);
        pos = at + 5;
        use12HourClock = true;
    } else if (startsWithNoCase(pattern, at, "A/P")) {
        m_out += pattern[afternoon ? at + 2 : at];
        pos = at + 3;
        use12HourClock = true;
    } else if (startsWithNoCase(pattern, at, "AMPM")) {
        m_out += afternoon ? m_settings.timePMString : m_settings.timeAMString;
        pos = at + 4;
        use12HourClock = true;
    } else if (startsWithNoCase(pattern, at, "AAAA")) {
        m_out += m_settings.longDayNames[m_weekDay];
        pos = at + 4;
    } else if (startsWithNoCase(pattern, at, "AAA")) {
        m_out += m_settings.shortDayNames[m_weekDay];
        pos = at + 3;
    } else {
        m_out += pattern[at];
    }
}

} // namespace

QString FormatDateTime(const QString& pattern, TDateTime moment, const FormatSettings& settings)
{
    PatternWriter writer(moment, settings);
    writer.append(pattern, 1);
    return writer.result();
}

} // namespace horavine
