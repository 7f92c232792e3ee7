#include "alarms/Snoozes.h"

#include "common/IoError.h"
#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace horavine {

namespace {

constexpr char kMagic[8] = {'H', 'V', 'S', 'N', 'O', 'O', 'Z', 'E'};
constexpr quint32 kVersion = 1;
constexpr qsizetype kHeaderSize = 16;
constexpr qsizetype kEntrySize = 24 + TAlarmRecord::kSize;
// Far more than anyone snoozes at once; a larger file is not read into memory at all.
constexpr qsizetype kMaxFileSize = kHeaderSize + 1000 * kEntrySize;
// A length is stored as the difference of two day counts; a few milliseconds cover its rounding.
constexpr double kLengthTolerance = 0.005 / 86400.0;

double ReadDouble(const char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void AppendDouble(QByteArray& bytes, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buffer[8];
    qToLittleEndian(bits, buffer);
    bytes.append(buffer, 8);
}

void AppendUInt32(QByteArray& bytes, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

bool IsChoice(double lengthInDays)
{
    for (int minutes : kSnoozeChoices) {
        if (std::abs(lengthInDays - minutes / 1440.0) <= kLengthTolerance)
            return true;
    }
    return false;
}

} // namespace

int SnoozeMinutes(int stored)
{
    for (int minutes : kSnoozeChoices) {
        if (stored == minutes)
            return minutes;
    }
    return kDefaultSnoozeMinutes;
}

bool SameAlarm(const TAlarmRecord& a, const TAlarmRecord& b)
{
    TAlarmRecord x = a;
    TAlarmRecord y = b;
    x.Enabled = y.Enabled = 0;
    x.LastRingDate = y.LastRingDate = 0.0;
    return std::memcmp(&x, &y, sizeof x) == 0;
}

int FindSnoozedAlarm(const Snooze& snooze, const AlarmList& alarms)
{
    const int count = static_cast<int>(alarms.size());
    if (snooze.index >= 0 && snooze.index < count && SameAlarm(alarms[std::size_t(snooze.index)], snooze.alarm))
        return snooze.index;
    for (int i = 0; i < count; ++i) {
        if (SameAlarm(alarms[std::size_t(i)], snooze.alarm))
            return i;
    }
    return -1;
}

void Snoozes::add(const AlarmList& alarms, int index, TDateTime now, int minutes)
{
    if (index < 0 || index >= static_cast<int>(alarms.size()))
        return;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (FindSnoozedAlarm(m_entries[i], alarms) == index) {
            remove(i);
            break;
        }
    }
    Snooze snooze;
    snooze.alarm = alarms[std::size_t(index)];
    snooze.index = index;
    snooze.snoozedAt = now;
    snooze.ringsAt = now + SnoozeMinutes(minutes) / 1440.0;
    m_entries.push_back(snooze);
}

void Snoozes::remove(std::size_t entry)
{
    if (entry < m_entries.size())
        m_entries.erase(m_entries.begin() + std::ptrdiff_t(entry));
}

bool Snoozes::prune(const AlarmList& alarms, const std::function<bool(int)>& switchedOff)
{
    const std::size_t before = m_entries.size();
    std::vector<Snooze> kept;
    for (Snooze snooze : m_entries) {
        const int index = FindSnoozedAlarm(snooze, alarms);
        if (index < 0 || alarms[std::size_t(index)].Enabled == 0 || (switchedOff && switchedOff(index)))
            continue;
        snooze.index = index;
        kept.push_back(snooze);
    }
    m_entries = std::move(kept);
    return m_entries.size() != before;
}

std::optional<Snooze> Snoozes::takeDue(const AlarmList& alarms, TDateTime now, int& index)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (!m_entries[i].dueAt(now))
            continue;
        const int found = FindSnoozedAlarm(m_entries[i], alarms);
        if (found < 0)
            continue;
        Snooze due = m_entries[i];
        remove(i);
        index = found;
        return due;
    }
    return std::nullopt;
}

AlarmList Snoozes::withoutSnoozed(const AlarmList& alarms) const
{
    AlarmList masked = alarms;
    for (const Snooze& snooze : m_entries) {
        const int index = FindSnoozedAlarm(snooze, alarms);
        if (index >= 0)
            masked[std::size_t(index)].Enabled = 0;
    }
    return masked;
}

bool Snoozes::isSnoozed(const AlarmList& alarms, int index) const
{
    for (const Snooze& snooze : m_entries) {
        if (FindSnoozedAlarm(snooze, alarms) == index)
            return true;
    }
    return false;
}

void Snoozes::load(const QString& path, const AlarmList& alarms, TDateTime now)
{
    m_entries.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return;
    std::optional<std::vector<Snooze>> read;
    if (info.size() <= kMaxFileSize) {
        try {
            read = ReadSnoozeFile(ReadFileBytes(path, kMaxFileSize));
        } catch (const IoError&) {
        }
    }
    if (read) {
        // A snooze of an earlier day is stale: the clock was not running when it should have
        // rung, and an alarm from yesterday popping up at start-up helps nobody.
        for (const Snooze& snooze : *read) {
            if (DayOf(snooze.ringsAt) >= DayOf(now))
                m_entries.push_back(snooze);
        }
        prune(alarms);
    }
    if (read && !m_entries.empty() && m_entries.size() == read->size())
        return;
    try {
        save(path);
    } catch (const IoError&) {
        // Read-only: the file is ignored at every start the same way.
    }
}

void Snoozes::save(const QString& path) const
{
    if (m_entries.empty()) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            throw IoError(QStringLiteral("Cannot remove \"%1\"").arg(path));
        return;
    }
    WriteFileAtomically(path, SnoozeFileBytes(m_entries));
}

QString SnoozeFilePath(const QString& alarmFile)
{
    return QFileInfo(alarmFile).dir().filePath(QStringLiteral("Snoozes.cfg"));
}

QByteArray SnoozeFileBytes(const std::vector<Snooze>& snoozes)
{
    QByteArray bytes(kMagic, sizeof kMagic);
    AppendUInt32(bytes, kVersion);
    AppendUInt32(bytes, quint32(snoozes.size()));
    for (const Snooze& snooze : snoozes) {
        AppendUInt32(bytes, quint32(qint32(snooze.index)));
        AppendUInt32(bytes, 0);
        AppendDouble(bytes, snooze.snoozedAt);
        AppendDouble(bytes, snooze.ringsAt);
        bytes += snooze.alarm.toBytes();
    }
    return bytes;
}

std::optional<std::vector<Snooze>> ReadSnoozeFile(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const char* data = bytes.constData();
    const quint32 version = qFromLittleEndian<quint32>(data + 8);
    const quint32 count = qFromLittleEndian<quint32>(data + 12);
    if (version != kVersion || count > quint32(kMaxFileSize / kEntrySize)
        || bytes.size() != kHeaderSize + qsizetype(count) * kEntrySize)
        return std::nullopt;
    std::vector<Snooze> snoozes;
    for (quint32 i = 0; i < count; ++i) {
        const char* entry = data + kHeaderSize + qsizetype(i) * kEntrySize;
        Snooze snooze;
        snooze.index = qFromLittleEndian<qint32>(entry);
        snooze.snoozedAt = ReadDouble(entry + 8);
        snooze.ringsAt = ReadDouble(entry + 16);
        snooze.alarm = TAlarmRecord::fromBytes(entry + 24);
        if (!std::isfinite(snooze.snoozedAt) || !std::isfinite(snooze.ringsAt)
            || !IsChoice(snooze.ringsAt - snooze.snoozedAt) || std::abs(snooze.ringsAt) > 3.0e6)
            return std::nullopt;
        snoozes.push_back(snooze);
    }
    return snoozes;
}

} // namespace horavine
