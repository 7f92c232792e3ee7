#pragma once

// One alarm: 672 bytes, the same in memory and in the alarm file. Fields are stored
// little-endian; the padding is kept as explicit bytes so that a record read from a file
// is written back unchanged.

#include "common/LittleEndian.h"
#include "common/ShortString.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace horavine {

enum TAlarmKind : int { akOnce = 0, akDaily = 1, akWeekly = 2, akMonthly = 3 };

// Flag bytes of WeekDays and Months.
inline constexpr char kFlagChosen = 'N';
inline constexpr char kFlagNotChosen = 'F';

struct TAlarmRecord
{
    std::uint8_t Enabled;
    std::uint8_t Padding1[7];
    LeDouble LastRingDate;
    LeInt32 Kind;
    std::uint8_t Padding20[4];
    LeDouble AlarmTime;
    LeDouble OnceDate;
    std::uint8_t DeleteAfterPlaying;
    std::uint8_t DeleteAfterExpiration;
    std::uint8_t Padding42[2];
    LeInt32 EveryNdays;
    LeDouble DailyStart;
    LeInt32 EveryNweeks;
    std::uint8_t Padding60[4];
    LeDouble WeeklyStart;
    char WeekDays[8]; // index = ISO day of the week, 1 Monday .. 7 Sunday; 0 unused
    std::uint8_t MonthlyThe;
    std::uint8_t Padding81[3];
    LeInt32 MonthlyDay;
    LeInt32 MonthlyTheN;
    LeInt32 MonthlyTheDay;
    char Months[13]; // index = month, 1 January .. 12 December; 0 unused
    ShortString<12> Name;
    ShortString<180> VisualFile;
    ShortString<180> SoundFile;
    ShortString<180> DocFile;
    std::uint8_t Sound;
    std::uint8_t ShowAudioImage;
    std::uint8_t Padding667;
    LeInt32 StaysOn;

    static constexpr int kSize = 672;

    static TAlarmRecord zeroed();
    static TAlarmRecord fromBytes(const char* bytes); // kSize bytes
    QByteArray toBytes() const;
};

static_assert(sizeof(TAlarmRecord) == TAlarmRecord::kSize);
static_assert(std::is_trivially_copyable_v<TAlarmRecord> && std::is_standard_layout_v<TAlarmRecord>);
static_assert(offsetof(TAlarmRecord, Enabled) == 0);
static_assert(offsetof(TAlarmRecord, LastRingDate) == 8);
static_assert(offsetof(TAlarmRecord, Kind) == 16);
static_assert(offsetof(TAlarmRecord, AlarmTime) == 24);
static_assert(offsetof(TAlarmRecord, OnceDate) == 32);
static_assert(offsetof(TAlarmRecord, DeleteAfterPlaying) == 40);
static_assert(offsetof(TAlarmRecord, DeleteAfterExpiration) == 41);
static_assert(offsetof(TAlarmRecord, EveryNdays) == 44);
static_assert(offsetof(TAlarmRecord, DailyStart) == 48);
static_assert(offsetof(TAlarmRecord, EveryNweeks) == 56);
static_assert(offsetof(TAlarmRecord, WeeklyStart) == 64);
static_assert(offsetof(TAlarmRecord, WeekDays) == 72);
static_assert(offsetof(TAlarmRecord, MonthlyThe) == 80);
static_assert(offsetof(TAlarmRecord, MonthlyDay) == 84);
static_assert(offsetof(TAlarmRecord, MonthlyTheN) == 88);
static_assert(offsetof(TAlarmRecord, MonthlyTheDay) == 92);
static_assert(offsetof(TAlarmRecord, Months) == 96);
static_assert(offsetof(TAlarmRecord, Name) == 109);
static_assert(offsetof(TAlarmRecord, VisualFile) == 122);
static_assert(offsetof(TAlarmRecord, SoundFile) == 303);
static_assert(offsetof(TAlarmRecord, DocFile) == 484);
static_assert(offsetof(TAlarmRecord, Sound) == 665);
static_assert(offsetof(TAlarmRecord, ShowAudioImage) == 666);
static_assert(offsetof(TAlarmRecord, StaysOn) == 668);

// All alarms in order; an alarm's index is its identity.
using AlarmList = std::vector<TAlarmRecord>;

} // namespace horavine
