#pragma once

#include <QLocale>
#include <QString>

namespace horavine {

// Regional settings the pattern language needs, given as a value so that formatting never
// depends on process-wide state and tests can build their own.
struct FormatSettings
{
    QString shortMonthNames[12]; // [0] = January
    QString longMonthNames[12];
    QString shortDayNames[7]; // [0] = Monday ... [6] = Sunday
    QString longDayNames[7];
    QString dateSeparator; // usually one character
    QString timeSeparator;
    QString timeAMString; // morning designator
    QString timePMString;
    QString shortDateFormat; // already in OUR pattern language
    QString longDateFormat;
    QString shortTimeFormat;
    QString longTimeFormat;
    QString eraName; // era name of the regional calendar ("A.D." for Gregorian English)

    // Names, designators and separators of the locale; its four formats are translated from
    // Qt's format syntax into the pattern language.
    static FormatSettings fromLocale(const QLocale& locale);
};

// Translates a Qt date/time format ("dddd, MMMM d, yyyy", "h:mm:ss AP t") into the pattern
// language. The time zone is dropped, since a read-out has no use for it.
QString PatternFromQtFormat(const QString& qtFormat);

} // namespace horavine
