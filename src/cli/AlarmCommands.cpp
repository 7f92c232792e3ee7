#include "alarms/AlarmFile.h"
#include "alarms/AlarmRow.h"
#include "alarms/AlarmSchedule.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "common/Clock.h"
#include "common/DateFormat.h"

#include <QFileInfo>
#include <QLocale>

namespace horavine::cli {

namespace {

AlarmList loadAlarms(const QString& path)
{
    // The clock treats a missing alarm file as "no alarms"; a file named on the command line must exist.
    if (!QFileInfo(path).isFile())
        throw Failure(QStringLiteral("cannot open \"%1\": no such file").arg(path));
    AlarmList list;
    LoadAlarms(list, path);
    return list;
}

QString flagText(const char* flags, int first, int last)
{
    QString out;
    for (int i = first; i <= last; ++i)
        out += QChar(static_cast<unsigned char>(flags[i]));
    return out;
}

int list(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const AlarmList alarms = loadAlarms(args.positional(0, QStringLiteral("FILE.cfg")));
    const FormatSettings settings = FormatSettings::fromLocale(LocaleOption(args));
    const bool amPm = !args.flag(QStringLiteral("--24"));
    ManualClock fixed;
    SystemClock system;
    const Clock* clock = &system;
    if (args.value(QStringLiteral("--now"))) {
        fixed.set(MomentOption(args, QStringLiteral("--now")));
        clock = &fixed;
    }
    QString out;
    for (int i = 0; i < static_cast<int>(alarms.size()); ++i) {
        const AlarmRowTexts row = DescribeAlarmRow(alarms, i, amPm, *clock, settings);
        out += QStringList{QString::number(i), row.enabled ? QStringLiteral("1") : QStringLiteral("0"),
                           row.name,           row.kind,
                           row.time,           row.nextDate}
                   .join(QLatin1Char('\t'));
        out += QLatin1Char('\n');
    }
    PrintOut(out);
    return 0;
}

int due(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const TDateTime moment = MomentOption(args, QStringLiteral("--at"));
    int only = -1;
    if (const auto text = args.value(QStringLiteral("--only"))) {
        bool ok = false;
        only = text->toInt(&ok);
        if (!ok || only < -1)
            throw UsageError(QStringLiteral("--only: \"%1\" is not an alarm index").arg(*text));
    }
    const AlarmList alarms = loadAlarms(args.positional(0, QStringLiteral("FILE.cfg")));
    PrintOut(QString::number(FindDueAlarm(alarms, args.flag(QStringLiteral("--missed")), only, moment))
             + QLatin1Char('\n'));
    return 0;
}

int show(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const AlarmList alarms = loadAlarms(args.positional(0, QStringLiteral("FILE.cfg")));
    JsonWriter json;
    json.beginArray();
    for (const TAlarmRecord& a : alarms) {
        json.beginObject();
        const auto number = [&](const char* name, qint64 v) {
            json.key(QLatin1StringView(name));
            json.value(v);
        };
        const auto real = [&](const char* name, double v) {
            json.key(QLatin1StringView(name));
            json.value(v);
        };
        const auto text = [&](const char* name, const QString& v) {
            json.key(QLatin1StringView(name));
            json.value(v);
        };
        number("Enabled", a.Enabled);
        real("LastRingDate", a.LastRingDate);
        number("Kind", a.Kind);
        real("AlarmTime", a.AlarmTime);
        real("OnceDate", a.OnceDate);
        number("DeleteAfterPlaying", a.DeleteAfterPlaying);
        number("DeleteAfterExpiration", a.DeleteAfterExpiration);
        number("EveryNdays", a.EveryNdays);
        real("DailyStart", a.DailyStart);
        number("EveryNweeks", a.EveryNweeks);
        real("WeeklyStart", a.WeeklyStart);
        text("WeekDays", flagText(a.WeekDays, 1, 7));
        number("MonthlyThe", a.MonthlyThe);
        number("MonthlyDay", a.MonthlyDay);
        number("MonthlyTheN", a.MonthlyTheN);
        number("MonthlyTheDay", a.MonthlyTheDay);
        text("Months", flagText(a.Months, 1, 12));
        text("Name", a.Name.text());
        text("VisualFile", a.VisualFile.text());
        text("SoundFile", a.SoundFile.text());
        text("DocFile", a.DocFile.text());
        number("Sound", a.Sound);
        number("ShowAudioImage", a.ShowAudioImage);
        number("StaysOn", a.StaysOn);
        json.endObject();
    }
    json.endArray();
    PrintOut(json.text() + QLatin1Char('\n'));
    return 0;
}

} // namespace

int RunAlarmsList(const Arguments& args)
{
    return list(args);
}

int RunAlarmsDue(const Arguments& args)
{
    return due(args);
}

int RunAlarmsShow(const Arguments& args)
{
    return show(args);
}

int RunFormat(const Arguments& args)
{
    args.expectPositionals(1, 1);
    const TDateTime moment = MomentOption(args, QStringLiteral("--at"));
    const FormatSettings settings = FormatSettings::fromLocale(LocaleOption(args));
    PrintOut(FormatDateTime(args.positional(0, QStringLiteral("PATTERN")), moment, settings) + QLatin1Char('\n'));
    return 0;
}

} // namespace horavine::cli
