#include "alarms/AlarmRecord.h"

#include <cstring>

namespace horavine {

TAlarmRecord TAlarmRecord::zeroed()
{
    TAlarmRecord r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    return r;
}

TAlarmRecord TAlarmRecord::fromBytes(const char* bytes)
{
    TAlarmRecord r;
    std::memcpy(static_cast<void*>(&r), bytes, kSize);
    return r;
}

QByteArray TAlarmRecord::toBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(this), kSize);
}

} // namespace horavine
