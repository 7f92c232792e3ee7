#include "alarms/AlarmFile.h"

#include "AlarmTestSupport.h"
#include "alarms/AlarmSchedule.h"
#include "common/IoError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>

using namespace horavine;
using namespace horavine::test;

namespace {

constexpr int kSize = TAlarmRecord::kSize;

QByteArray RandomBytes(std::mt19937& rng, int size)
{
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(rng() & 0xFF);
    return bytes;
}

// Records with noise in every byte, padding and text behind the lengths included; Enabled 0 or 1.
QByteArray NoisyRecords(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray bytes = RandomBytes(rng, count * kSize);
    for (int i = 0; i < count; ++i)
        bytes[i * kSize] = static_cast<char>(i % 2);
    return bytes;
}

void WriteRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ListBytes(const AlarmList& list)
{
    QByteArray bytes;
    for (const TAlarmRecord& r : list)
        bytes += r.toBytes();
    return bytes;
}

class MapRows : public AlarmRowSource
{
public:
    explicit MapRows(std::map<int, bool> rows)
        : m_rows(std::move(rows))
    {
    }
    std::optional<bool> rowChecked(int row) const override
    {
        const auto it = m_rows.find(row);
        return it == m_rows.end() ? std::nullopt : std::optional<bool>(it->second);
    }

private:
    std::map<int, bool> m_rows;
};

// An application folder with its Alarm folder, in a temporary place.
class AlarmFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Alarm")));
        m_path = AlarmFilePath(AppDir(m_dir.path()));
    }

    QTemporaryDir m_dir;
    QString m_path;
};


} // namespace

TEST(AlarmFilePath, LiesInTheAlarmFolderOfTheApplication)
{
    const AppDir appDir(QStringLiteral("/opt/horavine"));
    EXPECT_EQ(AlarmFilePath(appDir), QStringLiteral("/opt/horavine/Alarm/Alarms.cfg"));
}

TEST_F(AlarmFileTest, LoadsEveryWholeRecordAndIgnoresATrailingPart)
{
    struct Row
    {
        int fileSize;
        int records;
    };
    const Row rows[] = {{0, 0}, {1, 0}, {671, 0}, {672, 1}, {1343, 1}, {1500, 2}, {2016, 3}, {2017, 3}};
    for (const Row& r : rows) {
        std::mt19937 rng(r.fileSize);
        const QByteArray content = RandomBytes(rng, r.fileSize);
        WriteRaw(m_path, content);
        AlarmList list{MakeAlarm(akOnce, 0)};
        LoadAlarms(list, m_path);
        ASSERT_EQ(int(list.size()), r.records) << r.fileSize;
        EXPECT_EQ(ListBytes(list), content.left(r.records * kSize)) << r.fileSize;
    }
}

TEST_F(AlarmFileTest, MissingFileGivesAnEmptyListSilently)
{
    AlarmList list{MakeAlarm(akOnce, 0), MakeAlarm(akDaily, 0)};
    EXPECT_NO_THROW(LoadAlarms(list, m_path));
    EXPECT_TRUE(list.empty());
}

TEST_F(AlarmFileTest, UnreadableFileThrowsAnErrorNamingIt)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("Alarm/Alarms.cfg")));
    AlarmList list{MakeAlarm(akOnce, 0)};
    try {
        LoadAlarms(list, m_path);
        FAIL() << "a folder in place of the file must not load";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(m_path)) << e.what();
    }
    EXPECT_TRUE(list.empty());
}

TEST_F(AlarmFileTest, SaveTakesEnabledFromTheRowsAndWritesItAsZeroOrOne)
{
    struct Row
    {
        std::uint8_t stored;
        std::optional<bool> checked;
        std::uint8_t written;
    };
    const Row rows[] = {
        {0, std::nullopt, 0}, {1, std::nullopt, 1}, {2, std::nullopt, 1}, {255, std::nullopt, 1},
        {0, true, 1},         {2, true, 1},         {1, false, 0},        {2, false, 0},
    };
    AlarmList list;
    std::map<int, bool> checks;
    for (const Row& r : rows) {
        TAlarmRecord alarm = MakeAlarm(akDaily, AtTime(7, 30));
        alarm.Enabled = r.stored;
        if (r.checked)
            checks[int(list.size())] = *r.checked;
        list.push_back(alarm);
    }
    const MapRows source(checks);
    SaveAlarms(list, m_path, &source);

    const QByteArray file = ReadRaw(m_path);
    ASSERT_EQ(file.size(), qsizetype(std::size(rows)) * kSize);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(std::uint8_t(file[qsizetype(i) * kSize]), rows[i].written) << "record " << i;
        EXPECT_EQ(list[i].Enabled, rows[i].written) << "record " << i;
    }
}

TEST_F(AlarmFileTest, LoadThenSaveGivesTheSameBytes)
{
    const QByteArray original = NoisyRecords(7, 42);
    WriteRaw(m_path, original);
    AlarmList list;
    LoadAlarms(list, m_path);
    ASSERT_EQ(list.size(), 7u);
    SaveAlarms(list, m_path);
    EXPECT_EQ(ReadRaw(m_path), original);

    // Without a row source a stored 2 comes back as 1, and nothing else changes.
    QByteArray withTwo = original;
    withTwo[3 * kSize] = 2;
    WriteRaw(m_path, withTwo);
    LoadAlarms(list, m_path);
    SaveAlarms(list, m_path);
    QByteArray expected = original;
    expected[3 * kSize] = 1;
    EXPECT_EQ(ReadRaw(m_path), expected);
}

TEST_F(AlarmFileTest, NameIsCutToTwelveCharacters)
{
    TAlarmRecord alarm = MakeAlarm(akOnce, 0);
    alarm.Name.setText(QStringLiteral("Twenty characters...")); // 20 characters
    AlarmList list{alarm};
    SaveAlarms(list, m_path);
    LoadAlarms(list, m_path);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name.text(), QStringLiteral("Twenty chara"));
}

TEST_F(AlarmFileTest, EmptyListGivesAnEmptyFile)
{
    WriteRaw(m_path, NoisyRecords(2, 1));
    AlarmList list;
    SaveAlarms(list, m_path);
    EXPECT_TRUE(QFile::exists(m_path));
    EXPECT_EQ(QFile(m_path).size(), 0);
}

TEST(AlarmFileSave, MissingAlarmFolderThrowsAndIsNotCreated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const AppDir appDir(dir.path());
    AlarmList list{MakeAlarm(akOnce, 0)};
    EXPECT_THROW(SaveAlarms(list, AlarmFilePath(appDir)), IoError);
    EXPECT_FALSE(QDir(appDir.alarmFolder()).exists());
}

TEST_F(AlarmFileTest, FailedSaveLeavesThePreviousFileByteForByte)
{
    const QByteArray previous = NoisyRecords(2, 7);
    WriteRaw(m_path, previous);
    AlarmList list;
    LoadAlarms(list, m_path);
    list.push_back(MakeAlarm(akDaily, AtTime(6, 0))); // 3 records: 2016 bytes
    {
        const test::FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.active());
        EXPECT_THROW(SaveAlarms(list, m_path), IoError);
    }
    EXPECT_EQ(ReadRaw(m_path), previous);
    EXPECT_EQ(QDir(m_dir.path() + QStringLiteral("/Alarm")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Alarms.cfg")});
    // With the limit gone the same save goes through.
    SaveAlarms(list, m_path);
    EXPECT_EQ(ReadRaw(m_path).size(), 3 * kSize);
}

TEST(DeleteAlarm, RemovesOneRecordAndMovesTheRestDown)
{
    struct Row
    {
        int index;
        std::vector<int> remaining; // the kinds left, in order
    };
    const Row rows[] = {
        {-1, {0, 1, 2}}, {3, {0, 1, 2}}, {-7, {0, 1, 2}}, {0, {1, 2}}, {1, {0, 2}}, {2, {0, 1}},
    };
    for (const Row& r : rows) {
        AlarmList list{MakeAlarm(akOnce, 0), MakeAlarm(akDaily, 0), MakeAlarm(akWeekly, 0)};
        DeleteAlarm(list, r.index);
        std::vector<int> kinds;
        for (const TAlarmRecord& a : list)
            kinds.push_back(a.Kind);
        EXPECT_EQ(kinds, r.remaining) << r.index;
    }
    AlarmList empty;
    DeleteAlarm(empty, 0);
    EXPECT_TRUE(empty.empty());
}

// Damaged files of every kind: loading either works or throws IoError, and the schedule copes
// with whatever was loaded.
TEST_F(AlarmFileTest, DamagedFilesNeverCrashTheLoaderOrTheSchedule)
{
    std::mt19937 rng(672);
    auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const double absurdDates[] = {std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  1e300,
                                  -1e300,
                                  4.9e-324,
                                  -0.5,
                                  2958465.99,
                                  2958466.0,
                                  -693594.0};
    const std::int32_t absurdInts[] = {0, -1, INT32_MIN, INT32_MAX, 5, 6, 8, 32, -3};

    using Spoiler = void (*)(TAlarmRecord&, double, std::int32_t);
    const Spoiler kSpoilers[] = {
        [](TAlarmRecord& r, double date, std::int32_t) { r.OnceDate = date; },
        [](TAlarmRecord& r, double date, std::int32_t) { r.DailyStart = date; },
        [](TAlarmRecord& r, double date, std::int32_t) { r.WeeklyStart = date; },
        [](TAlarmRecord& r, double date, std::int32_t) { r.LastRingDate = date; },
        [](TAlarmRecord& r, double date, std::int32_t) { r.AlarmTime = date; },
        [](TAlarmRecord& r, double, std::int32_t n) { r.EveryNdays = r.EveryNweeks = n; },
        [](TAlarmRecord& r, double, std::int32_t n) { r.Kind = n; },
        [](TAlarmRecord& r, double, std::int32_t n) { r.MonthlyTheN = r.MonthlyTheDay = n; },
        [](TAlarmRecord& r, double, std::int32_t n) {
            r.MonthlyDay = n;
            r.MonthlyThe = std::uint8_t(n);
        },
        [](TAlarmRecord& r, double, std::int32_t n) { r.Months[std::uint32_t(n) % 13] = char(n); },
    };
    AlarmList sane{OnceAlarm(Day(2024, 3, 1), AtTime(7, 30)), DailyAlarm(Day(2024, 1, 1), 3, AtTime(7, 30)),
                   WeeklyAlarm(Day(2024, 1, 1), 2, "1.3.5..", AtTime(7, 30)),
                   MonthlyDayAlarm(31, kAllMonths, AtTime(7, 30)), MonthlyTheAlarm(5, 5, kAllMonths, AtTime(7, 30))};
    const QByteArray valid = ListBytes(sane);

    const TDateTime moments[] = {At(2024, 3, 1, 7, 30, 4), At(2024, 12, 31, 23, 59, 59), At(2000, 2, 29, 0, 0)};
    int loads = 0;
    for (int n = 0; n < 3000; ++n) {
        QByteArray content;
        switch (n % 3) {
        case 0:
            content = RandomBytes(rng, pick(0, 5000));
            break;
        case 1:
            content = valid.left(pick(0, int(valid.size())));
            break;
        default: {
            AlarmList spoilt = sane;
            for (TAlarmRecord& r : spoilt) {
                const double date = absurdDates[pick(0, int(std::size(absurdDates)) - 1)];
                const std::int32_t number = absurdInts[pick(0, int(std::size(absurdInts)) - 1)];
                kSpoilers[pick(0, int(std::size(kSpoilers)) - 1)](r, date, number);
            }
            content = ListBytes(spoilt);
        }
        }
        WriteRaw(m_path, content);
        AlarmList list;
        try {
            LoadAlarms(list, m_path);
            ++loads;
        } catch (const IoError&) {
        }
        ASSERT_EQ(list.size(), std::size_t(content.size() / kSize));
        for (TDateTime moment : moments) {
            const int due = FindDueAlarm(list, false, -1, moment);
            const int missed = FindDueAlarm(list, true, -1, moment);
            ASSERT_TRUE(due >= -1 && due < int(list.size()));
            ASSERT_TRUE(missed >= -1 && missed < int(list.size()));
        }
        const ManualClock clock(moments[n % 3]);
        for (int i = 0; i < int(list.size()); ++i) {
            const TDateTime next = NextRingDate(list, i, clock);
            ASSERT_TRUE(next == 0 || (next >= DayOf(clock.now()) && next <= DayNumber(2026, 12, 31)));
        }
    }
    EXPECT_EQ(loads, 3000);
}
