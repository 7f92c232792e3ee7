// Runs the built horavine-cli as a user would and checks its output and exit codes.

#include "alarms/AlarmTestSupport.h"
#include "face/ClockSkin.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(HORAVINE_CLI_PATH), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray alarmFile(const AlarmList& alarms)
{
    QByteArray bytes;
    for (const TAlarmRecord& a : alarms)
        bytes += a.toBytes();
    return bytes;
}

class Cli : public ::testing::Test
{
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Cli, NewSkinShowsEveryFieldAsJson)
{
    const CliRun made = cli({"skin", "new", path("a.clk"), "ClockSize=300", "SecColor=#00ff80", "DigFont=Liberation Sans"});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(readAll(path("a.clk")).size(), 444);

    const CliRun shown = cli({"skin", "show", path("a.clk")});
    ASSERT_EQ(shown.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    EXPECT_EQ(o.size(), 25);
    EXPECT_EQ(o["MinStartColor"].toString(), "#A6CAF0"); // 0x00F0CAA6: red in the lowest byte
    EXPECT_EQ(o["HourEndColor"].toString(), "#800000");
    EXPECT_EQ(o["SecColor"].toString(), "#00FF80");
    EXPECT_EQ(o["ClockSize"].toInt(), 300);
    EXPECT_EQ(o["NotCircular"].toInt(), 1);
    EXPECT_EQ(o["SkinFlag50"].toInt(), 1);
    EXPECT_EQ(o["TextureName"].toString(), "0");
    EXPECT_EQ(o["DigFont"].toString(), "Liberation Sans");
    EXPECT_EQ(o["Transparency"].toInt(), 0);
    EXPECT_TRUE(shown.out.indexOf("MinStartColor") < shown.out.indexOf("Transparency")); // field order
}

TEST_F(Cli, SetChangesOnlyTheNamedFields)
{
    QByteArray original(444, 0);
    for (char& b : original)
        b = static_cast<char>(QRandomGenerator::global()->bounded(256));
    writeAll(path("r.clk"), original);

    const CliRun r = cli({"skin", "set", path("r.clk"), "ClockSize=250", "Rounded=1", "-o", path("out.clk")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray changed = readAll(path("out.clk"));
    ASSERT_EQ(changed.size(), 444);
    for (int i = 0; i < 444; ++i) {
        if (i >= 56 && i < 60)
            EXPECT_EQ(static_cast<unsigned char>(changed[i]), i == 56 ? 250 : 0) << i;
        else if (i == 49)
            EXPECT_EQ(changed[i], 1);
        else
            EXPECT_EQ(changed[i], original[i]) << "byte " << i;
    }
    EXPECT_EQ(readAll(path("r.clk")), original); // the input is untouched with -o

    // Without -o the file changes in place.
    ASSERT_EQ(cli({"skin", "set", path("r.clk"), "TextureName=wood.bmp"}).exitCode, 0);
    EXPECT_EQ(readAll(path("r.clk")).mid(60, 9), QByteArray("\x08wood.bmp"));
}

TEST_F(Cli, ErrorsNameTheProblemAndExitWithOneOrTwo)
{
    writeAll(path("short.clk"), QByteArray(443, 0));
    ASSERT_EQ(cli({"skin", "new", path("ok.clk")}).exitCode, 0);
    struct Row
    {
        QStringList args;
        int exitCode;
        const char* mention;
    };
    const Row rows[] = {
        {{"skin", "show", path("short.clk")}, 1, "short.clk"},
        {{"skin", "show", path("missing.clk")}, 1, "missing.clk"},
        {{"skin", "set", path("ok.clk"), "Colour=#000000"}, 1, "Colour"},
        {{"skin", "set", path("ok.clk"), "SecColor=red"}, 1, "SecColor"},
        {{"skin", "set", path("ok.clk"), "Rounded=256"}, 1, "Rounded"},
        {{"skin", "set", path("ok.clk"), "ClockSize=big"}, 1, "ClockSize"},
        {{}, 2, "command"},
        {{"skin", "paint", path("ok.clk")}, 2, "paint"},
        {{"format", "h:nn", "--at", "2026-13-01T00:00:00"}, 2, "--at"},
        {{"format", "h:nn"}, 2, "--at"},
        {{"alarms", "list", path("none.cfg")}, 1, "none.cfg"},
        {{"alarms", "due", path("none.cfg"), "--at", "2026-12-09T07:30:04", "--bogus"}, 2, "--bogus"},
    };
    for (const Row& row : rows) {
        const CliRun r = cli(row.args);
        SCOPED_TRACE(row.args.join(' ').toStdString());
        EXPECT_EQ(r.exitCode, row.exitCode);
        EXPECT_TRUE(r.err.startsWith("horavine-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.mention))) << r.err.toStdString();
    }
    EXPECT_EQ(readAll(path("ok.clk")), DefaultSkin().toBytes()); // failed sets wrote nothing
}

TEST_F(Cli, AlarmListShowsTheEditorsColumns)
{
    AlarmList alarms;
    TAlarmRecord weekly = WeeklyAlarm(Day(2026, 11, 30), 1, "1......", AtTime(19, 5));
    weekly.Name.setText("Gym");
    alarms.push_back(weekly);
    TAlarmRecord gone = OnceAlarm(Day(2026, 12, 9), AtTime(7, 30));
    gone.Name.setText("Passed today");
    alarms.push_back(gone);
    TAlarmRecord odd = DailyAlarm(Day(2026, 12, 1), 1, AtTime(0, 0));
    odd.Kind = 9;
    odd.Enabled = 0;
    alarms.push_back(odd);
    writeAll(path("Alarms.cfg"), alarmFile(alarms));

    // Wednesday 9 December 2026, 08:00: the weekly Monday alarm next rings on 14 December.
    const CliRun ampm = cli({"alarms", "list", path("Alarms.cfg"), "--now", "2026-12-09T08:00:00", "--locale", "en_US"});
    ASSERT_EQ(ampm.exitCode, 0) << ampm.err.toStdString();
    EXPECT_EQ(ampm.out, "0\t1\tGym\tWeekly\t7: 05 pm\t14 Dec 2026\n"
                        "1\t1\tPassed today\tOnce\t7: 30 am\t<Expired>\n"
                        "2\t0\t\t\t12: 00 am\t<Expired>\n");
    const CliRun h24 = cli({"alarms", "list", path("Alarms.cfg"), "--now", "2026-12-09T07:00:00", "--24", "--locale",
                         "en_US"});
    EXPECT_EQ(h24.out, "0\t1\tGym\tWeekly\t19: 05\t14 Dec 2026\n"
                       "1\t1\tPassed today\tOnce\t7: 30\t9 Dec 2026\n"
                       "2\t0\t\t\t0: 00\t<Expired>\n");
}

TEST_F(Cli, AlarmDueFollowsTheRingTest)
{
    AlarmList alarms{OnceAlarm(Day(2026, 12, 9), AtTime(7, 30)), DailyAlarm(Day(2026, 12, 1), 1, AtTime(7, 30))};
    writeAll(path("Alarms.cfg"), alarmFile(alarms));
    struct Row
    {
        QStringList extra;
        const char* out;
    };
    const Row rows[] = {
        {{"--at", "2026-12-09T07:30:04"}, "0\n"},
        {{"--at", "2026-12-09T07:30:06"}, "-1\n"},
        {{"--at", "2026-12-10T07:30:05"}, "1\n"},
        {{"--at", "2026-12-09T09:00:00", "--missed"}, "0\n"},
        {{"--at", "2026-12-09T09:00:00", "--only", "1"}, "1\n"},
        {{"--at", "2026-12-09T09:00:00", "--only", "5"}, "-1\n"},
    };
    for (const Row& row : rows) {
        const CliRun r = cli(QStringList{"alarms", "due", path("Alarms.cfg")} + row.extra);
        EXPECT_EQ(r.out, row.out) << row.extra.join(' ').toStdString() << r.err.toStdString();
    }

    const CliRun shown = cli({"alarms", "show", path("Alarms.cfg")});
    const QJsonArray a = QJsonDocument::fromJson(shown.out.toUtf8()).array();
    ASSERT_EQ(a.size(), 2);
    EXPECT_EQ(a[1].toObject()["Kind"].toInt(), 1);
    EXPECT_EQ(a[1].toObject()["DailyStart"].toDouble(), Day(2026, 12, 1));
    EXPECT_EQ(a[0].toObject()["WeekDays"].toString(), "FFFFFFF");
}

TEST_F(Cli, FormatAppliesThePattern)
{
    struct Row
    {
        const char* pattern;
        const char* at;
        const char* out;
    };
    const Row rows[] = {
        {"h:mm:ss AM/PM", "2026-12-09T14:05:09", "2:05:09 PM\n"},
        {"h:mm:ss", "2026-12-09T14:05:09", "14:05:09\n"},
        {"h:mm a/p", "2026-12-09T07:05:00", "7:05 a\n"},
        {"dddd d mmmm yyyy", "2026-12-09T07:05:00", "Wednesday 9 December 2026\n"},
        {"hh:nn:ss.zzz", "2026-12-09T07:05:00.25", "07:05:00.250\n"},
    };
    for (const Row& row : rows) {
        const CliRun r = cli({"format", row.pattern, "--at", row.at, "--locale", "en_US"});
        EXPECT_EQ(r.out, row.out) << row.pattern << r.err.toStdString();
    }
    EXPECT_EQ(cli({"--help"}).exitCode, 0);
}
