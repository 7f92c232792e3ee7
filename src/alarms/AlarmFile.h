#pragma once

#include "alarms/AlarmRecord.h"
#include "alarms/AlarmRowSource.h"
#include "common/AppDir.h"

#include <QString>

namespace horavine {

// <AppDir>Alarm/Alarms.cfg: the records of the alarm list one after another, no header.
QString AlarmFilePath(const AppDir& appDir);

// Empties the list, then reads every whole record of the file; a missing file leaves it empty.
// False when the file held more than its whole records (a cut or damaged file), so a save
// would drop part of it. Throws IoError when the file cannot be read; the records read until
// then stay in the list.
bool LoadAlarms(AlarmList& list, const QString& path);

// Takes Enabled from the editor's check boxes where rows has a row for the record, stores it as
// 0 or 1 in the list and the file, and replaces the file as a whole. The Alarm folder must exist.
// Throws IoError; the previous file is then left as it was.
void SaveAlarms(AlarmList& list, const QString& path, const AlarmRowSource* rows = nullptr);

// Removes record index, moving the later ones down; an index outside the list does nothing.
void DeleteAlarm(AlarmList& list, int index);

} // namespace horavine
