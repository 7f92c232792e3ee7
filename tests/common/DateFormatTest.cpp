#include "common/DateFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

// Fixed regional settings, so that no row depends on the host's locale data. The separators
// and designators differ from what a pattern would print literally.
FormatSettings testSettings()
{
    FormatSettings s;
    const char* shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* longMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
    const char* shortDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const char* longDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (int i = 0; i < 12; ++i) {
        s.shortMonthNames[i] = QString::fromLatin1(shortMonths[i]);
        s.longMonthNames[i] = QString::fromLatin1(longMonths[i]);
    }
    for (int i = 0; i < 7; ++i) {
        s.shortDayNames[i] = QString::fromLatin1(shortDays[i]);
        s.longDayNames[i] = QString::fromLatin1(longDays[i]);
    }
    s.dateSeparator = QStringLiteral("-");
    s.timeSeparator = QStringLiteral(":");
    s.timeAMString = QStringLiteral("vorm");
    s.timePMString = QStringLiteral("nachm");
    s.shortDateFormat = QStringLiteral("d/m/yy");
    s.longDateFormat = QStringLiteral("dddd d mmmm yyyy");
    s.shortTimeFormat = QStringLiteral("hh:nn");
    s.longTimeFormat = QStringLiteral("hh:nn:ss");
    s.eraName = QStringLiteral("A.D.");
    return s;
}

// Tuesday 5 March 2024.
const TDateTime kAfternoon = EncodeDateTime(2024, 3, 5, 14, 5, 9, 7);
const TDateTime kMorning = EncodeDateTime(2024, 3, 5, 7, 5);
const TDateTime kEvening = EncodeDateTime(2024, 3, 5, 19, 5);
const TDateTime kMidnight = EncodeDateTime(2024, 3, 5);
const TDateTime kNoon = EncodeDateTime(2024, 3, 5, 12, 30);
const TDateTime kHalfSecond = EncodeDateTime(2024, 3, 5, 0, 0, 0, 500);
const TDateTime kYear2005 = EncodeDateTime(2005, 11, 28, 9, 0); // a Monday
const TDateTime kYear987 = EncodeDateTime(987, 1, 2);

struct Row
{
    const char* pattern;
    TDateTime moment;
    const char* expected;
};

void expectRows(const std::vector<Row>& rows, const FormatSettings& settings)
{
    for (const Row& row : rows) {
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(row.pattern), row.moment, settings).toStdString(), row.expected)
            << "pattern: " << row.pattern;
    }
}

} // namespace

TEST(DateFormat, EveryTokenOfTheTable)
{
    expectRows({{"d", kAfternoon, "5"},
                {"dd", kAfternoon, "05"},
                {"ddd", kAfternoon, "Tue"},
                {"dddd", kAfternoon, "Tuesday"},
                {"ddddd", kAfternoon, "5-3-24"},
                {"dddddd", kAfternoon, "Tuesday 5 March 2024"},
                {"ddddddd", kAfternoon, "Tuesday 5 March 2024"},
                {"m", kAfternoon, "3"},
                {"mm", kAfternoon, "03"},
                {"mmm", kAfternoon, "Mar"},
                {"mmmm", kAfternoon, "March"},
                {"mmmmm", kAfternoon, "March"},
                {"y", kYear2005, "05"},
                {"yy", kAfternoon, "24"},
                {"yyy", kAfternoon, "2024"},
                {"yyyyy", kAfternoon, "2024"},
                {"yyyy", kYear987, "0987"},
                {"h", kMorning, "7"},
                {"hh", kMorning, "07"},
                {"hhh", kAfternoon, "14"},
                {"n", kAfternoon, "5"},
                {"nnn", kAfternoon, "05"},
                {"s", kAfternoon, "9"},
                {"sss", kAfternoon, "09"},
                {"z", kAfternoon, "7"},
                {"zz", kAfternoon, "07"},
                {"zzzz", kAfternoon, "007"},
                {"t", kAfternoon, "14:05"},
                {"ttt", kAfternoon, "14:05:09"},
                {"c", kAfternoon, "5-3-24 14:05:09"},
                {"c", kMidnight, "5-3-24"},
                {"c", kHalfSecond, "5-3-24"},
                {"am/pm", kMorning, "am"},
                {"Am/pM", kAfternoon, "pM"},
                {"a/p", kAfternoon, "p"},
                {"A/p", kMorning, "A"},
                {"ampm", kMorning, "vorm"},
                {"AMPM", kAfternoon, "nachm"},
                {"aaa", kAfternoon, "Tue"},
                {"aAaA", kAfternoon, "Tuesday"},
                {"aaaaa", kAfternoon, "Tuesdaya"},
                {"a", kAfternoon, "a"},
                {"e", kYear2005, "5"},
                {"ee", kYear2005, "05"},
                {"eee", kYear2005, "2005"},
                {"gg", kYear2005, "A.D."},
                {"d/m", kAfternoon, "5-3"},
                {"bijk #é", kAfternoon, "bijk #é"},
                {"", kAfternoon, ""}},
               testSettings());
}

TEST(DateFormat, RunsEndWhereTheLetterChangesCase)
{
    expectRows({{"Dd", kAfternoon, "55"},
                {"ddDD", kAfternoon, "0505"},
                {"MMmm", kAfternoon, "0303"},
                {"yYyY", kAfternoon, "24242424"},
                {"hH", kMorning, "77"},
                {"Mm", kAfternoon, "33"},
                {"hMm", kAfternoon, "1453"}},
               testSettings());
}

TEST(DateFormat, MonthTokenMeansMinutesRightAfterAnHourToken)
{
    expectRows({{"h:mm", kAfternoon, "14:05"},
                {"h/mm", kAfternoon, "14-05"},
                {"H:MM", kAfternoon, "14:05"},
                {"h:mm:mm", kAfternoon, "14:05:03"},
                {"h'x'mm", kAfternoon, "14x05"},
                {"hxmm", kAfternoon, "14x03"},
                {"h d m", kAfternoon, "14 5 3"},
                {"h:nn m", kAfternoon, "14:05 3"},
                {"mm h", kAfternoon, "03 14"},
                {"tm", kAfternoon, "14:053"}},
               testSettings());
}

TEST(DateFormat, HourLooksAheadForAnAmPmMarker)
{
    expectRows({{"h:mm:ss AM/PM", kAfternoon, "2:05:09 PM"},
                {"h:mm:ss", kAfternoon, "14:05:09"},
                {"h:mm:ss AM/PM", kMidnight, "12:00:00 AM"},
                {"h:mm:ss", kMidnight, "0:00:00"},
                {"h:mm a/p", kMorning, "7:05 a"},
                {"hh:nn", kMorning, "07:05"},
                {"h: nn am/pm", kEvening, "7: 05 pm"},
                {"h am/pm", kNoon, "12 pm"},
                {"hh:nn ampm", kAfternoon, "02:05 nachm"},
                {"h 'am/pm'", kAfternoon, "14 am/pm"},
                {"h \"a/p\"", kAfternoon, "14 a/p"},
                {"h 'x' am/pm", kAfternoon, "2 x pm"},
                // Either quote character toggles the look-ahead, though only the same one closes text.
                {"h 'x\" am/pm\"", kAfternoon, "2 x\" am/pm\""},
                {"h 'h' am/pm", kAfternoon, "14 h pm"},
                {"h h am/pm", kAfternoon, "14 2 pm"},
                {"h ab am/pm", kAfternoon, "14 ab pm"},
                {"am/pm h", kAfternoon, "pm 2"},
                {"AMPM h", kAfternoon, "nachm 2"},
                {"a/p hh", kEvening, "p 07"},
                {"aaa h", kAfternoon, "Tue 14"}},
               testSettings());
}

TEST(DateFormat, QuotedTextIsCopiedUnchanged)
{
    expectRows({{"'d'd", kAfternoon, "d5"},
                {"\"mm\"mm", kAfternoon, "mm03"},
                {"'it''s'", kAfternoon, "its"},
                {"\"it's\"", kAfternoon, "it's"},
                {"'a\"b' d", kAfternoon, "a\"b 5"},
                {"'/:'", kAfternoon, "/:"},
                {"d 'unclosed d", kAfternoon, "5 unclosed d"},
                {"\"", kAfternoon, ""}},
               testSettings());
}

TEST(DateFormat, ExpansionsStopAtTheSecondLevel)
{
    FormatSettings s = testSettings();
    s.shortDateFormat = QStringLiteral("<d ddddd t tt c dddddd>");
    s.longDateFormat = QStringLiteral("dddddd!");
    s.shortTimeFormat = QStringLiteral("h AM/PM");
    expectRows({{"ddddd", kMidnight, "<5     >"},
                {"c", kMidnight, "<5     >"},
                // A c inside an expansion still adds its blank; only the formats it names are cut.
                {"c", kAfternoon, "<5      > 14:05:09"},
                {"dddddd", kAfternoon, "!"},
                // Each expansion keeps its own 12-hour clock and last token.
                {"t h", kAfternoon, "2 PM 14"},
                {"am/pm tt", kAfternoon, "pm 14:05:09"}},
               s);

    s.shortTimeFormat = QStringLiteral("h");
    expectRows({{"t:mm", kAfternoon, "14:03"}}, s);
}

TEST(DateFormat, SeparatorsComeFromTheSettings)
{
    FormatSettings s = testSettings();
    s.dateSeparator = QStringLiteral(".");
    s.timeSeparator = QStringLiteral("h");
    expectRows({{"d/m/yyyy h:nn", kAfternoon, "5.3.2024 14h05"}}, s);
}

TEST(DateFormat, MomentIsRoundedToTheMillisecond)
{
    const TDateTime almostSix = EncodeDateTime(2024, 3, 5, 7, 30, 5) + 0.9999999 / 86400.0;
    const TDateTime almostMidnight = EncodeDateTime(2024, 3, 5, 23, 59, 59) + 0.9999999 / 86400.0;
    expectRows({{"hh:nn:ss.zzz", almostSix, "07:30:06.000"}, {"ddd d hh:nn:ss", almostMidnight, "Wed 6 00:00:00"}},
               testSettings());
}

TEST(FormatSettings, QtFormatsTranslateIntoPatterns)
{
    const struct
    {
        const char* qt;
        const char* pattern;
    } rows[] = {
        {"M/d/yy", "m/d/yy"},
        {"dddd, MMMM d, yyyy", "dddd, mmmm d, yyyy"},
        {"H:m", "h:n"},
        {"HH:mm:ss.zzz", "hh:nn:ss.zzz"},
        {"h:mm:ss AP t", "h:nn:ss AMPM"},
        {"t h:mm:ss ap", "h:nn:ss AMPM"},
        {"HH:mm:ss (t)", "hh:nn:ss"},
        {"h:mm:ss a, t", "h:nn:ss AMPM"},
        {"APh:mm:ss [t]", "AMPMh:nn:ss"},
        {"d 'de' MMMM", "d 'de' mmmm"},
        {"'o''clock' H", "'o'\"'\"'clock' h"},
        {"H''", "h\"'\""},
        {"Bh:mm", "'B'h:nn"},
        {"ss\"", "ss'\"'"},
        {"sss", "ss''s"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PatternFromQtFormat(QString::fromUtf8(row.qt)).toStdString(), row.pattern) << row.qt;

    // The translated literal comes out exactly as Qt would print it.
    EXPECT_EQ(FormatDateTime(PatternFromQtFormat(QStringLiteral("'o''clock' H")), kAfternoon, testSettings()),
              QStringLiteral("o'clock 14"));
}

TEST(FormatSettings, FromLocaleUsEnglish)
{
    const FormatSettings s = FormatSettings::fromLocale(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(s.shortMonthNames[0], QStringLiteral("Jan"));
    EXPECT_EQ(s.longMonthNames[11], QStringLiteral("December"));
    EXPECT_EQ(s.shortDayNames[0], QStringLiteral("Mon"));
    EXPECT_EQ(s.longDayNames[6], QStringLiteral("Sunday"));
    EXPECT_EQ(s.dateSeparator, QStringLiteral("/"));
    EXPECT_EQ(s.timeSeparator, QStringLiteral(":"));
    EXPECT_EQ(s.timeAMString, QStringLiteral("AM"));
    EXPECT_EQ(s.timePMString, QStringLiteral("PM"));
    EXPECT_EQ(s.eraName, QStringLiteral("A.D."));
    EXPECT_EQ(s.shortDateFormat, QStringLiteral("m/d/yy"));
    EXPECT_EQ(s.longDateFormat, QStringLiteral("dddd, mmmm d, yyyy"));

    const TDateTime moment = EncodeDateTime(2026, 12, 9, 14, 5, 9);
    EXPECT_EQ(FormatDateTime(QStringLiteral("dddd, mmmm d, yyyy"), moment, s),
              QStringLiteral("Wednesday, December 9, 2026"));
    // Qt's long time is "h:mm:ss AP t": 12-hour, and the time zone is dropped.
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), moment, s), QStringLiteral("12/9/26 2:05:09 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("t"), moment, s), QStringLiteral("2:05 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddddd"), moment, s), QStringLiteral("12/9/26"));
}

TEST(FormatSettings, SeparatorIsTheCharacterAfterAField)
{
    // Qt's own locale data: "AP h:mm" and "d\u200F/M\u200F/yyyy" (with right-to-left marks).
    EXPECT_EQ(FormatSettings::fromLocale(QLocale(QStringLiteral("ko_KR"))).timeSeparator, QStringLiteral(":"));
    EXPECT_EQ(FormatSettings::fromLocale(QLocale(QStringLiteral("ar_EG"))).dateSeparator, QStringLiteral("/"));
    EXPECT_EQ(FormatSettings::fromLocale(QLocale(QStringLiteral("de_DE"))).dateSeparator, QStringLiteral("."));
}
