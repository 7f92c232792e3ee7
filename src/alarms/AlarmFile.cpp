#include "alarms/AlarmFile.h"

#include "common/IoError.h"
#include "common/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace horavine {

QString AlarmFilePath(const AppDir& appDir)
{
    return appDir.alarmFolder() + QStringLiteral("Alarms.cfg");
}

bool LoadAlarms(AlarmList& list, const QString& path)
{
    list.clear();
    // A first run has no alarm file yet: no alarms, nothing to report.
    if (!QFileInfo::exists(path))
        return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QCoreApplication::translate("Files", "Cannot read \"%1\": %2").arg(path, file.errorString()));
    const qint64 count = file.size() / TAlarmRecord::kSize;
    char buffer[TAlarmRecord::kSize];
    for (qint64 i = 0; i < count; ++i) {
        const qint64 got = file.read(buffer, TAlarmRecord::kSize);
        if (got < 0)
            throw IoError(QCoreApplication::translate("Files", "Cannot read \"%1\": %2").arg(path, file.errorString()));
        // The file may have shrunk since its size was taken; a partial record is not an alarm.
        if (got < TAlarmRecord::kSize)
            return false;
        list.push_back(TAlarmRecord::fromBytes(buffer));
    }
    return file.size() % TAlarmRecord::kSize == 0;
}

void SaveAlarms(AlarmList& list, const QString& path, const AlarmRowSource* rows)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(list.size()) * TAlarmRecord::kSize);
    for (std::size_t i = 0; i < list.size(); ++i) {
        TAlarmRecord& record = list[i];
        const std::optional<bool> checked = rows ? rows->rowChecked(static_cast<int>(i)) : std::nullopt;
        const bool enabled = checked ? *checked : record.Enabled != 0;
        record.Enabled = enabled ? 1 : 0;
        bytes += record.toBytes();
    }
    // Written to a temporary file and renamed over the old one: a full disk half-way through
    // must not cost the user every alarm. The temporary file lives in the Alarm folder, which is
    // never created here, so a missing folder fails the save.
    WriteFileAtomically(path, bytes);
}

void DeleteAlarm(AlarmList& list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        return;
    list.erase(list.begin() + index);
}

} // namespace horavine
